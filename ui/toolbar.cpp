#include "ui/toolbar.h"

#include "gfx/bitmap.h"
#include "ui/dframewindow.h"
#include "ui/qtext.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSignalBlocker>
#include <QToolBar>

DToolbar::DToolbar(DFrameWindow* frame, const char* name)
    : DWindow(new QToolBar(frame ? frame->ClientWidget() : nullptr)), frame_(frame) {
    auto* bar = static_cast<QToolBar*>(Widget());
    bar->setObjectName(ToQt(name));
    bar->setMovable(false);
    bar->setFloatable(false);
}

DToolbar::~DToolbar() = default;

void DToolbar::SetBitmap(const Bitmap& bitmap, int cellWidth, int cellHeight) {
    auto* bar = static_cast<QToolBar*>(Widget());
    if (!bar || bitmap.IsNull() || cellWidth <= 0 || cellHeight <= 0) return;
    cellWidth_ = cellWidth;
    cellHeight_ = cellHeight;
    bar->setIconSize(QSize(cellWidth, cellHeight));
    images_ = std::make_unique<QImage>(bitmap.Image());
}

void DToolbar::SetDenseBitmap(const Bitmap& bitmap) {
    if (!bitmap.IsNull()) denseImages_ = std::make_unique<QImage>(bitmap.Image());
}

void DToolbar::AddButton(int image, unsigned command) {
    auto* bar = static_cast<QToolBar*>(Widget());
    if (!bar) return;
    QIcon icon;
    if (images_ && image >= 0 && (image + 1) * cellWidth_ <= images_->width())
        icon.addPixmap(
            QPixmap::fromImage(images_->copy(image * cellWidth_, 0, cellWidth_, cellHeight_)));
    // The icon takes the picture that matches the screen's density.
    if (denseImages_ && image >= 0 && (image + 1) * 2 * cellWidth_ <= denseImages_->width()) {
        QPixmap dense = QPixmap::fromImage(
            denseImages_->copy(image * 2 * cellWidth_, 0, 2 * cellWidth_, 2 * cellHeight_));
        dense.setDevicePixelRatio(2);
        icon.addPixmap(dense);
    }
    QString tip = frame_ ? ToQt(frame_->CommandText(command)) : QString();
    QAction* action = bar->addAction(icon, tip.isEmpty() ? QString::number(command) : tip);
    action->setToolTip(tip);
    action->setData(command);
    action->setObjectName(QStringLiteral("tool%1").arg(command));
    DFrameWindow* frame = frame_;
    QObject::connect(action, &QAction::triggered, [frame, command] {
        if (frame) frame->EvCommand(command, 0);
    });
    if (frame_) action->setEnabled(frame_->IsCommandEnabled(command));
}

int DToolbar::GetHeight() const {
    return Widget() ? Widget()->sizeHint().height() : 0;
}

void DToolbar::AddChoice(const char* name, const char* tip, std::function<void(int)> chosen) {
    auto* bar = static_cast<QToolBar*>(Widget());
    if (!bar) return;
    auto* box = new QComboBox(bar);
    box->setObjectName(ToQt(name));
    box->setToolTip(ToQt(tip));
    // As wide as the longest month with its note, whatever it lists: the buttons after it
    // stay in place as the months change.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(kChoiceChars);
    // The map keeps the keyboard; the list takes it only when clicked.
    box->setFocusPolicy(Qt::ClickFocus);
    QObject::connect(box, &QComboBox::activated, [chosen](int index) { chosen(index); });
    bar->addWidget(box);
}

void DToolbar::SetChoices(const std::vector<Str>& entries, int current) {
    auto* box = Widget() ? Widget()->findChild<QComboBox*>() : nullptr;
    if (!box) return;
    QSignalBlocker quiet(box);
    box->clear();
    for (const Str& entry : entries)
        box->addItem(ToQt(entry));
    box->setCurrentIndex(current);
    box->setEnabled(!entries.empty());
}

int DToolbar::GetChoice() const {
    auto* box = Widget() ? Widget()->findChild<QComboBox*>() : nullptr;
    return box ? box->currentIndex() : -1;
}
