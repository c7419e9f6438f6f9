#include "ui/dframewindow.h"

#include "ui/menubar.h"
#include "ui/qtext.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>

// The Qt window behind the frame: it asks the frame before closing.
class DFrameWindow::FrameWidget : public QMainWindow {
public:
    explicit FrameWidget(DFrameWindow* frame) : frame_(frame) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        if (frame_->CloseRequested())
            event->accept();
        else
            event->ignore();
    }

private:
    DFrameWindow* frame_;
};

namespace {

// F1 while a menu is open asks for help on menu entries.
class MenuHelpFilter : public QObject {
public:
    explicit MenuHelpFilter(DFrameWindow* frame, QObject* parent)
        : QObject(parent), frame_(frame) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            if (auto* menu = qobject_cast<QMenu*>(watched)) menu->close();
            frame_->Help(1002);
            return true;
        }
        return false;
    }

private:
    DFrameWindow* frame_;
};

} // namespace

DFrameWindow::DFrameWindow(const char* caption, const MenuTemplate& menu)
    : DWindow(new FrameWidget(this)) {
    auto* window = static_cast<QMainWindow*>(DWindow::Widget());
    window->setObjectName(QStringLiteral("frameWindow"));
    window->setWindowTitle(ToQt(caption));
    BuildMenuBar(
        window, menu, [this](unsigned id) { EvCommand(id, 0); },
        [this](QMenu* shown) { UpdateMenu(shown); });
    auto* filter = new MenuHelpFilter(this, window);
    for (QMenu* m : window->findChildren<QMenu*>())
        m->installEventFilter(filter);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(help, &QShortcut::activated, [this] { Help(1000); });
    UpdateCommands();
}

DFrameWindow::~DFrameWindow() = default;

void DFrameWindow::OnCommand(unsigned id, Handler handler, Enabler enabler) {
    commands_[id] = Command{std::move(handler), std::move(enabler)};
    UpdateCommands();
}

bool DFrameWindow::IsCommandEnabled(unsigned id) const {
    auto it = commands_.find(id);
    if (it == commands_.end() || !it->second.handler) return false;
    return !it->second.enabler || it->second.enabler();
}

bool DFrameWindow::EvCommand(unsigned id, int notifyCode) {
    // A shortcut key may name a command that is disabled at the moment: it does nothing then.
    (void)notifyCode;
    if (!IsCommandEnabled(id)) return false;
    commands_[id].handler();
    return true;
}

void DFrameWindow::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && !action->menu())
            action->setEnabled(IsCommandEnabled(action->data().toUInt()));
}

void DFrameWindow::UpdateCommands() {
    if (!Widget()) return;
    for (QMenu* menu : Widget()->findChildren<QMenu*>())
        UpdateMenu(menu);
}

bool DFrameWindow::CloseRequested() {
    if (destroyed_) return true;
    if (!destroying_ && !CanClose()) return false;
    destroyed_ = true;
    EvDestroy();
    if (quitOnClose_) QCoreApplication::quit();
    return true;
}

void DFrameWindow::Destroy() {
    if (!Widget()) return;
    destroying_ = true;
    Widget()->close();
}
