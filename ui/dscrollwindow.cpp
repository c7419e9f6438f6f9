#include "ui/dscrollwindow.h"

#include "gfx/grafview.h"
#include "ui/qtext.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

namespace {

constexpr int kFocusMarkWidth = 2;

QRect ToQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

unsigned Flags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    unsigned flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    if (modifiers & Qt::KeypadModifier) flags |= MK_KEYPAD;
    return flags;
}

unsigned VirtualKeyOf(int key) {
    switch (key) {
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    default:
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return VK_0 + (key - Qt::Key_0);
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return VK_A + (key - Qt::Key_A);
        return 0;
    }
}

// The scroll code of a scroll bar's action; -1 for none.
int ScrollCodeOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    default:
        return -1;
    }
}

} // namespace

// The Qt side: a scroll area whose viewport is the client area. Its bars never move the
// contents themselves; their steps go to the window, which sets them again.
class DScrollWindow::ScrollWidget : public QAbstractScrollArea {
public:
    ScrollWidget(DScrollWindow* window, QWidget* parent)
        : QAbstractScrollArea(parent), window_(window) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setFocusPolicy(Qt::StrongFocus);
        // The frame is the mark of the keyboard: drawn in the highlight colour while the
        // window has it.
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(kFocusMarkWidth);
        // EvPaint covers every pixel it is asked for: no background fill, and scrolling
        // repaints only what comes into view.
        viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
        viewport()->setAttribute(Qt::WA_NoSystemBackground);
        // Moves without a button held are reported too (the hex under the mouse).
        viewport()->setMouseTracking(true);
        for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
            bar->setRange(0, 0);
            bar->setSingleStep(1);
            connect(bar, &QAbstractSlider::actionTriggered, this,
                    [this, bar](int action) { BarAction(bar, action); });
        }
    }

    void Detach() { window_ = nullptr; }

protected:
    void scrollContentsBy(int, int) override {}

    bool event(QEvent* event) override {
        if (event->type() != QEvent::Paint) return QAbstractScrollArea::event(event);
        QPainter painter(this);
        QColor mark = palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid);
        QRect outer = frameRect(), inner = contentsRect();
        painter.fillRect(QRect(outer.topLeft(), QPoint(outer.right(), inner.top() - 1)), mark);
        painter.fillRect(QRect(QPoint(outer.left(), inner.bottom() + 1), outer.bottomRight()),
                         mark);
        painter.fillRect(
            QRect(QPoint(outer.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())),
            mark);
        painter.fillRect(
            QRect(QPoint(inner.right() + 1, inner.top()), QPoint(outer.right(), inner.bottom())),
            mark);
        return true;
    }

    void focusInEvent(QFocusEvent* event) override {
        QAbstractScrollArea::focusInEvent(event);
        update();
    }

    void focusOutEvent(QFocusEvent* event) override {
        QAbstractScrollArea::focusOutEvent(event);
        update();
    }

    void paintEvent(QPaintEvent* event) override {
        if (!window_) return;
        QPainter painter(viewport());
        GrafView view(painter);
        for (const QRect& r : event->region()) {
            PixelRect clip{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
            view.SaveState();
            view.IntersectClipRect(clip);
            window_->EvPaint(view, clip);
            view.RestoreState();
        }
    }

    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        if (window_) window_->EvSize(viewport()->width(), viewport()->height());
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (!window_) return;
        PixelPoint p{event->position().toPoint().x(), event->position().toPoint().y()};
        unsigned flags = Flags(event->buttons(), event->modifiers());
        if (event->button() == Qt::LeftButton)
            window_->EvLButtonDown(flags, p);
        else if (event->button() == Qt::RightButton)
            window_->EvRButtonDown(flags, p);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!window_ || event->button() != Qt::LeftButton) return;
        QPoint p = event->position().toPoint();
        window_->EvLButtonUp(Flags(event->buttons(), event->modifiers()), {p.x(), p.y()});
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        QPoint p = event->position().toPoint();
        if (window_) window_->EvMouseMove({p.x(), p.y()});
    }

    bool viewportEvent(QEvent* event) override {
        if (window_ && event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            Str tip = window_->GetToolTip({help->pos().x(), help->pos().y()});
            if (tip.IsEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), ToQt(tip), viewport());
            return true;
        }
        if (window_ && event->type() == QEvent::Leave) window_->EvMouseLeave();
        return QAbstractScrollArea::viewportEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        unsigned key = VirtualKeyOf(event->key());
        if (window_ && key != 0 && window_->EvKeyDown(key, Flags({}, event->modifiers()))) return;
        // Other keys go to the parent, as for any child window.
        event->ignore();
    }

    void wheelEvent(QWheelEvent* event) override {
        if (!window_) return;
        QPoint delta = event->angleDelta();
        unsigned flags = Flags(event->buttons(), event->modifiers());
        QPoint at = event->position().toPoint();
        if ((flags & MK_CONTROL) && delta.y() != 0 &&
            window_->EvZoomWheel(delta.y(), {at.x(), at.y()})) {
            event->accept();
            return;
        }
        if (delta.y() != 0) window_->EvMouseWheel(delta.y(), (flags & MK_SHIFT) != 0, flags);
        if (delta.x() != 0) window_->EvMouseWheel(delta.x(), true, flags);
        event->accept();
    }

private:
    void BarAction(QScrollBar* bar, int action) {
        int code = ScrollCodeOf(action);
        if (!window_ || code < 0) return;
        if (bar->orientation() == Qt::Horizontal)
            window_->EvHScroll(code, bar->sliderPosition());
        else
            window_->EvVScroll(code, bar->sliderPosition());
        // The bar applies its own step after this: it must stand where the window put it, or
        // where it stood when the window did not move.
        bar->setSliderPosition(bar->value());
    }

    DScrollWindow* window_;
};

DScrollWindow::DScrollWindow(DWindow* parent)
    : DWindow(new ScrollWidget(this, parent ? parent->Widget() : nullptr)) {}

DScrollWindow::~DScrollWindow() {
    // The widget outlives this part of the window by a moment: it must call nothing here.
    if (ScrollWidget* area = Area()) area->Detach();
}

DScrollWindow::ScrollWidget* DScrollWindow::Area() const {
    return static_cast<ScrollWidget*>(Widget());
}

PixelRect DScrollWindow::GetClientRect() const {
    if (!Area()) return {};
    QWidget* client = Area()->viewport();
    return {0, 0, client->width(), client->height()};
}

void DScrollWindow::Invalidate() {
    InvalidateRect(GetClientRect());
}

void DScrollWindow::InvalidateRect(const PixelRect& rect) {
    if (!Area() || rect.IsEmpty()) return;
    Area()->viewport()->update(ToQRect(rect));
}

void DScrollWindow::ScrollWindow(int dx, int dy) {
    if (!Area()) return;
    Area()->viewport()->scroll(dx, dy);
}

void DScrollWindow::UpdateWindow() {
    if (!Area() || !Area()->isVisible()) return;
    // Qt paints the invalid parts of a window when it handles this request; handling it now
    // paints them before returning.
    QCoreApplication::sendPostedEvents(Area()->window(), QEvent::UpdateRequest);
}

void DScrollWindow::SetScrollInfo(ScrollBarKind bar, int last, int page, int position) {
    if (!Area()) return;
    QScrollBar* b = bar == SB_HORZ ? Area()->horizontalScrollBar() : Area()->verticalScrollBar();
    b->setRange(0, last < 0 ? 0 : last);
    b->setPageStep(page < 1 ? 1 : page);
    b->setValue(position);
}

int DScrollWindow::GetScrollPos(ScrollBarKind bar) const {
    if (!Area()) return 0;
    return (bar == SB_HORZ ? Area()->horizontalScrollBar() : Area()->verticalScrollBar())->value();
}

double DScrollWindow::DevicePixelRatio() const {
    return Area() ? Area()->viewport()->devicePixelRatioF() : 1.0;
}

void DScrollWindow::EvLButtonDown(unsigned flags, PixelPoint point) {
    if (Area()) Area()->setFocus(Qt::MouseFocusReason);
}

void DScrollWindow::EvRButtonDown(unsigned flags, PixelPoint point) {
    if (Area()) Area()->setFocus(Qt::MouseFocusReason);
}

void DScrollWindow::EvMouseWheel(int delta, bool horizontal, unsigned flags) {
    // Touchpads turn the wheel in small steps: they add up to notches.
    int& rest = wheelRest_[horizontal ? 1 : 0];
    rest += delta;
    int notches = rest / 120;
    rest -= notches * 120;
    int lines = notches * QApplication::wheelScrollLines();
    int code = lines > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < (lines < 0 ? -lines : lines); ++i)
        horizontal ? EvHScroll(code, 0) : EvVScroll(code, 0);
}
