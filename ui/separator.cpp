#include "ui/separator.h"

#include "ui/qtext.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

class DWindowSeparator::Bar : public QWidget {
public:
    Bar(QWidget* parent, std::function<void(int)> notify)
        : QWidget(parent), notify_(std::move(notify)) {
        setCursor(Qt::SplitHCursor);
        setAttribute(Qt::WA_StyledBackground);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        grab_ = event->position().toPoint().x();
        dragging_ = true;
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!dragging_ || !parentWidget()) return;
        int x = mapToParent(event->position().toPoint()).x() - grab_;
        x = std::clamp(x, 0, std::max(0, parentWidget()->width() - width()));
        if (x == this->x()) return;
        move(x, y());
        notify_(SepMoving);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !dragging_) return;
        dragging_ = false;
        notify_(SepChanged);
    }

private:
    std::function<void(int)> notify_;
    int grab_ = 0;
    bool dragging_ = false;
};

DWindowSeparator::DWindowSeparator(DWindow* parent, const char* name,
                                   std::function<void(int code)> notify)
    : DWindow(new Bar(parent ? parent->ClientWidget() : nullptr, std::move(notify))) {
    Widget()->setObjectName(ToQt(name));
}

int DWindowSeparator::GetPosition() const {
    return Widget() ? Widget()->x() : 0;
}
