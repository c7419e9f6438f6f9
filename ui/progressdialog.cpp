#include "ui/progressdialog.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QEvent>
#include <QProgressDialog>
#include <QWidget>

namespace {

constexpr std::chrono::milliseconds kShowAfter(500);
// Often enough that a repaint never waits noticeably, seldom enough to cost nothing.
constexpr std::chrono::milliseconds kPumpEvery(50);

// Keeps input away from one window: clicks, keys, the wheel, drops and closing. Other windows,
// such as a question asked in the middle of the work, are not touched.
class InputBlock : public QObject {
public:
    explicit InputBlock(QWidget* window) : window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_)
            return false;
        switch (event->type()) {
        case QEvent::Close:
            event->ignore();
            return true;
        case QEvent::ShortcutOverride:
            // Taken by the widget, so that no menu shortcut fires; the key itself goes below.
            event->accept();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
        }
    }

private:
    QWidget* window_;
};

} // namespace

DProgressDialog::DProgressDialog(const DWindow* owner, const char* text)
    : owner_(owner), text_(text), start_(Clock::now()) {
    if (owner_ && owner_->Widget())
        inputBlock_ = std::make_unique<InputBlock>(owner_->Widget()->window());
}

DProgressDialog::~DProgressDialog() = default;

void DProgressDialog::Set(int done, int total) {
    Clock::time_point now = Clock::now();
    if (pumpedOnce_ && now - pumped_ < kPumpEvery) return;
    // Made only when it is due, so that no timer of its own shows it over a question.
    if (!dialog_ && now - start_ >= kShowAfter) {
        dialog_ = std::make_unique<QProgressDialog>(ToQt(text_), QString(), 0, total,
                                                    owner_ ? owner_->Widget() : nullptr);
        dialog_->setObjectName(QStringLiteral("progressDialog"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
    }
    if (dialog_) {
        if (dialog_->maximum() != total) dialog_->setMaximum(total);
        dialog_->setValue(done);
        if (!dialog_->isVisible()) dialog_->show();
    }
    QApplication::processEvents();
    pumped_ = Clock::now();
    pumpedOnce_ = true;
}

void DProgressDialog::Pause() {
    if (dialog_) dialog_->hide();
    pumpedOnce_ = false; // back at the next step
}
