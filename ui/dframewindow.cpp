#include "ui/dframewindow.h"

#include "ui/menubar.h"
#include "ui/qtext.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

namespace {

// The local files a drag carries; empty when it carries anything else.
std::vector<Str> DraggedFiles(const QMimeData* data) {
    std::vector<Str> paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) return {};
        paths.push_back(FromQt(url.toLocalFile()));
    }
    return paths;
}

} // namespace

// The Qt window behind the frame: it asks the frame before closing and hands it dropped files.
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
    void dragEnterEvent(QDragEnterEvent* event) override {
        std::vector<Str> paths = DraggedFiles(event->mimeData());
        if (!paths.empty() && frame_->CanDropFiles(paths)) event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override {
        std::vector<Str> paths = DraggedFiles(event->mimeData());
        if (paths.empty() || !frame_->CanDropFiles(paths)) return;
        event->acceptProposedAction();
        frame_->EvDropFiles(paths);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == frame_->client_ && event->type() == QEvent::Resize)
            frame_->EvSize(frame_->client_->width(), frame_->client_->height());
        return QMainWindow::eventFilter(watched, event);
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
    auto* window = static_cast<FrameWidget*>(DWindow::Widget());
    window->setObjectName(QStringLiteral("frameWindow"));
    window->setWindowTitle(ToQt(caption));
    // Children are placed by the frame itself, by pixel rectangles, in this area.
    client_ = new QWidget(window);
    client_->setObjectName(QStringLiteral("clientArea"));
    window->setCentralWidget(client_);
    client_->installEventFilter(window);
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

void DFrameWindow::AddShortcut(const char* keys, unsigned id) {
    if (!Widget()) return;
    auto* shortcut = new QShortcut(QKeySequence(ToQt(keys), QKeySequence::PortableText), Widget());
    QObject::connect(shortcut, &QShortcut::activated, [this, id] { EvCommand(id, 1); });
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
    // The handler may register commands anew; it runs from a copy.
    Handler handler = commands_[id].handler;
    handler();
    UpdateCommands();
    return true;
}

void DFrameWindow::SetMenuEntries(unsigned anchorId, unsigned firstId,
                                  const std::vector<Str>& texts) {
    auto* window = static_cast<FrameWidget*>(DWindow::Widget());
    const QString group = QStringLiteral("entries%1").arg(firstId);
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        QAction* anchor = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->property("entryGroup").toString() == group) {
                menu->removeAction(action);
                action->deleteLater();
            } else if (!action->isSeparator() && !action->menu() &&
                       action->data().toUInt() == anchorId) {
                anchor = action;
            }
        }
        if (!anchor) continue;
        for (size_t i = 0; i < texts.size(); ++i) {
            unsigned id = firstId + static_cast<unsigned>(i);
            auto* action = new QAction(ToQt(texts[i].Get()), menu);
            action->setData(id);
            action->setObjectName(QStringLiteral("cmd%1").arg(id));
            action->setProperty("entryGroup", group);
            QObject::connect(action, &QAction::triggered, [this, id] { EvCommand(id, 0); });
            menu->insertAction(anchor, action);
        }
        if (!texts.empty()) {
            QAction* separator = menu->insertSeparator(anchor);
            separator->setProperty("entryGroup", group);
        }
        return;
    }
}

void DFrameWindow::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && !action->menu())
            action->setEnabled(IsCommandEnabled(action->data().toUInt()));
}

void DFrameWindow::UpdateCommands() {
    if (!Widget()) return;
    // Entries and buttons carry their command identifier; titles and separators carry none.
    for (QAction* action : Widget()->findChildren<QAction*>())
        if (!action->isSeparator() && !action->menu() && action->data().isValid())
            action->setEnabled(IsCommandEnabled(action->data().toUInt()));
}

Str DFrameWindow::CommandText(unsigned id) const {
    if (!Widget()) return Str();
    auto* action = Widget()->findChild<QAction*>(QStringLiteral("cmd%1").arg(id));
    if (!action) return Str();
    QString text = action->text();
    text = text.left(text.indexOf('\t'));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove('&');
    text.replace(QChar(1), '&');
    return FromQt(text);
}

void DFrameWindow::SetCommandChecked(unsigned id, bool checked) {
    if (!Widget()) return;
    if (auto* action = Widget()->findChild<QAction*>(QStringLiteral("cmd%1").arg(id))) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

bool DFrameWindow::IsCommandChecked(unsigned id) const {
    if (!Widget()) return false;
    auto* action = Widget()->findChild<QAction*>(QStringLiteral("cmd%1").arg(id));
    return action && action->isChecked();
}

void DFrameWindow::DragAcceptFiles(bool accept) {
    if (Widget()) Widget()->setAcceptDrops(accept);
}

QWidget* DFrameWindow::ClientWidget() const {
    return Widget() ? client_ : nullptr;
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
