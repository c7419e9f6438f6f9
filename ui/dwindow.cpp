#include "ui/dwindow.h"

#include "ui/qtext.h"

#include <QApplication>
#include <QWidget>

DWindow::DWindow(QWidget* widget) : widget_(widget) {
    QObject::connect(widget_, &QObject::destroyed, [this] { widget_ = nullptr; });
}

DWindow::DWindow(DWindow* parent, const char* name)
    : DWindow(new QWidget(parent ? parent->ClientWidget() : nullptr)) {
    widget_->setObjectName(ToQt(name));
}

void DWindow::SetName(const char* name) {
    if (widget_) widget_->setObjectName(ToQt(name));
}

DWindow::~DWindow() {
    delete widget_;
}

void DWindow::SetCaption(const char* text) {
    if (!widget_) return;
    widget_->setWindowTitle(ToQt(text));
}

void DWindow::SetModifiedMark(bool modified) {
    if (widget_) widget_->setWindowModified(modified);
}

bool DWindow::HasModifiedMark() const {
    return widget_ && widget_->isWindowModified();
}

Str DWindow::GetCaption() const {
    if (!widget_) return Str();
    return FromQt(widget_->windowTitle());
}

void DWindow::Show(int cmdShow) {
    if (!widget_) return;
    switch (cmdShow) {
    case SW_HIDE:
        widget_->hide();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        widget_->showMinimized();
        break;
    case SW_SHOWMAXIMIZED:
        widget_->showMaximized();
        break;
    default:
        widget_->showNormal();
        break;
    }
}

bool DWindow::IsVisible() const {
    return widget_ && widget_->isVisible();
}

void DWindow::SetFocus() {
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

bool DWindow::HasFocus() const {
    return widget_ && (widget_->hasFocus() || widget_->isAncestorOf(QApplication::focusWidget()));
}

DWindow::Rect DWindow::GetRestoredRect() const {
    if (!widget_) return {};
    QRect r = widget_->isMinimized() || widget_->isMaximized() ? widget_->normalGeometry()
                                                               : widget_->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void DWindow::SetRestoredRect(const Rect& rect) {
    if (!widget_) return;
    widget_->setGeometry(rect.x, rect.y, rect.w, rect.h);
}

void DWindow::Resize(int w, int h) {
    if (!widget_) return;
    widget_->resize(w, h);
}

int DWindow::GetShowState() const {
    if (!widget_) return SW_SHOWNORMAL;
    if (widget_->isMinimized()) return SW_SHOWMINIMIZED;
    if (widget_->isMaximized()) return SW_SHOWMAXIMIZED;
    return SW_SHOWNORMAL;
}

DWindow::Rect DWindow::GetClientRect() const {
    QWidget* client = ClientWidget();
    if (!client) return {};
    return {0, 0, client->width(), client->height()};
}

void DWindow::MoveWindow(const Rect& rect) {
    if (!widget_) return;
    widget_->setGeometry(rect.x, rect.y, rect.w, rect.h);
}

void DWindow::SetParent(DWindow* parent) {
    if (!widget_ || !parent || !parent->ClientWidget()) return;
    if (widget_->parentWidget() != parent->ClientWidget())
        widget_->setParent(parent->ClientWidget());
    widget_->show();
}
