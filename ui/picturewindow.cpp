#include "ui/picturewindow.h"

#include "gfx/offscreen.h"
#include "ui/qtext.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>

namespace {

QLabel* PictureOf(QWidget* window) {
    auto* area = qobject_cast<QScrollArea*>(window);
    return area ? qobject_cast<QLabel*>(area->widget()) : nullptr;
}

} // namespace

DPictureWindow::DPictureWindow(DWindow* parent, const char* name)
    : DWindow(new QScrollArea(parent ? parent->ClientWidget() : nullptr)) {
    auto* area = static_cast<QScrollArea*>(Widget());
    area->setObjectName(ToQt(name));
    area->setFrameShape(QFrame::StyledPanel);
    area->setFrameShadow(QFrame::Sunken);
    auto* picture = new QLabel;
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(picture);
    area->setWidgetResizable(false);
}

void DPictureWindow::SetPicture(const OffscreenBuffer& picture) {
    QLabel* label = PictureOf(Widget());
    if (!label) return;
    if (picture.IsNull()) {
        ClearPicture();
        return;
    }
    label->setPixmap(QPixmap::fromImage(picture.Image()));
    label->adjustSize();
}

void DPictureWindow::ClearPicture() {
    if (QLabel* label = PictureOf(Widget())) {
        label->clear();
        label->adjustSize();
    }
}

void DPictureWindow::CenterOn(int x, int y) {
    auto* area = qobject_cast<QScrollArea*>(Widget());
    if (!area) return;
    area->ensureVisible(x, y, area->viewport()->width() / 2, area->viewport()->height() / 2);
}
