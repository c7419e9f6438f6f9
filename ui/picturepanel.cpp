#include "ui/picturepanel.h"

#include "gfx/grafview.h"
#include "ui/qtext.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

// The Qt side: a widget that hands painting, its size and the left button to the panel.
class DPicturePanel::PictureWidget : public QWidget {
public:
    PictureWidget(DPicturePanel* panel, QWidget* parent) : QWidget(parent), panel_(panel) {
        // EvPaint covers every pixel it is asked for.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(40, 30);
    }
    void Detach() { panel_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!panel_) return;
        QPainter painter(this);
        GrafView view(painter);
        for (const QRect& r : event->region()) {
            PixelRect clip{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
            view.SaveState();
            view.IntersectClipRect(clip);
            panel_->EvPaint(view, clip);
            view.RestoreState();
        }
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (panel_) panel_->EvSize(width(), height());
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (panel_ && event->button() == Qt::LeftButton) Left(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (panel_ && (event->buttons() & Qt::LeftButton)) Left(event);
    }

private:
    void Left(QMouseEvent* event) {
        QPoint p = event->position().toPoint();
        panel_->EvLeftButton({p.x(), p.y()});
    }
    DPicturePanel* panel_;
};

DPicturePanel::DPicturePanel(DFrameWindow* frame, const char* name, const char* caption,
                             const Place& place)
    : DDockPanel(frame, name, caption, place) {
    QWidget* body = Body();
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new PictureWidget(this, body);
    picture->setObjectName(ToQt(name) + QStringLiteral("Picture"));
    layout->addWidget(picture);
}

DPicturePanel::~DPicturePanel() {
    // The widget goes with the panel's, a moment later: it must call nothing here.
    if (PictureWidget* picture = Picture()) picture->Detach();
}

DPicturePanel::PictureWidget* DPicturePanel::Picture() const {
    QWidget* body = Body();
    if (!body) return nullptr;
    return static_cast<PictureWidget*>(body->findChild<QWidget*>(
        Widget()->objectName() + QStringLiteral("Picture"), Qt::FindDirectChildrenOnly));
}

PixelRect DPicturePanel::GetPictureRect() const {
    PictureWidget* picture = Picture();
    return picture ? PixelRect{0, 0, picture->width(), picture->height()} : PixelRect{};
}

void DPicturePanel::Invalidate() {
    if (PictureWidget* picture = Picture()) picture->update();
}

double DPicturePanel::DevicePixelRatio() const {
    PictureWidget* picture = Picture();
    return picture ? picture->devicePixelRatioF() : 1.0;
}
