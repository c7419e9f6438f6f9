#include "ui/progressdialog.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QProgressDialog>

namespace {
constexpr std::chrono::milliseconds kShowAfter(500);
}

DProgressDialog::DProgressDialog(const DWindow* owner, const char* text)
    : owner_(owner), text_(text), start_(std::chrono::steady_clock::now()) {}

DProgressDialog::~DProgressDialog() = default;

void DProgressDialog::Set(int done, int total) {
    // Made only when it is due, so that no timer of its own shows it over a question.
    if (!dialog_ && std::chrono::steady_clock::now() - start_ >= kShowAfter) {
        dialog_ = std::make_unique<QProgressDialog>(ToQt(text_), QString(), 0, total,
                                                    owner_ ? owner_->Widget() : nullptr);
        dialog_->setObjectName(QStringLiteral("progressDialog"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
    }
    if (!dialog_) return;
    if (dialog_->maximum() != total) dialog_->setMaximum(total);
    dialog_->setValue(done);
    if (!dialog_->isVisible()) dialog_->show();
    QApplication::processEvents();
}

void DProgressDialog::Pause() {
    if (dialog_) dialog_->hide();
}
