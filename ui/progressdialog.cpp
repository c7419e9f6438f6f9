#include "ui/progressdialog.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QProgressDialog>

namespace {
constexpr int kShowAfterMs = 500;
}

DProgressDialog::DProgressDialog(const DWindow* owner, const char* text)
    : dialog_(std::make_unique<QProgressDialog>(ToQt(text), QString(), 0, 0,
                                                owner ? owner->Widget() : nullptr)) {
    dialog_->setObjectName(QStringLiteral("progressDialog"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(kShowAfterMs);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
}

DProgressDialog::~DProgressDialog() = default;

void DProgressDialog::Set(int done, int total) {
    if (dialog_->maximum() != total) dialog_->setMaximum(total);
    // Setting the value shows the box once the work looks like lasting past the delay, and
    // processes the window's events.
    dialog_->setValue(done);
    shown_ = shown_ || dialog_->isVisible();
}
