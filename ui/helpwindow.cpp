#include "ui/helpwindow.h"

#include "ui/qtext.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {

QTextBrowser* BrowserOf(QWidget* window) {
    return window ? window->findChild<QTextBrowser*>() : nullptr;
}

QWidget* MakeWindow() {
    auto* window = new QMainWindow;
    window->setObjectName(QStringLiteral("helpWindow"));
    window->resize(640, 560);
    auto* browser = new QTextBrowser(window);
    browser->setOpenExternalLinks(true);
    window->setCentralWidget(browser);
    QToolBar* bar = window->addToolBar(WindowText(Msg::HelpToolbar));
    bar->setMovable(false);
    QAction* back = bar->addAction(WindowText(Msg::HelpBack), browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward =
        bar->addAction(WindowText(Msg::HelpForward), browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(WindowText(Msg::HelpHome), browser, &QTextBrowser::home);
    QObject::connect(browser, &QTextBrowser::sourceChanged, window,
                     [window, browser] { window->setWindowTitle(browser->documentTitle()); });
    return window;
}

} // namespace

DHelpWindow::DHelpWindow() : DWindow(MakeWindow()) {}

bool DHelpWindow::ShowTopic(const char* path, const char* anchor) {
    QTextBrowser* browser = BrowserOf(Widget());
    QFileInfo file(ToQt(path));
    if (!browser || !file.isFile() || !file.isReadable()) return false;
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (anchor && *anchor) url.setFragment(ToQt(anchor));
    browser->setSource(url);
    Widget()->show();
    Widget()->raise();
    Widget()->activateWindow();
    return true;
}

Str DHelpWindow::CurrentSource() const {
    QTextBrowser* browser = BrowserOf(Widget());
    return browser ? FromQt(browser->source().toString()) : Str();
}
