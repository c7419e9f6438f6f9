#include "ui/toolbar.h"

#include "gfx/bitmap.h"
#include "ui/dframewindow.h"
#include "ui/qtext.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPixmap>
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

void DToolbar::AddButton(int image, unsigned command) {
    auto* bar = static_cast<QToolBar*>(Widget());
    if (!bar) return;
    QIcon icon;
    if (images_ && image >= 0 && (image + 1) * cellWidth_ <= images_->width())
        icon = QIcon(
            QPixmap::fromImage(images_->copy(image * cellWidth_, 0, cellWidth_, cellHeight_)));
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
