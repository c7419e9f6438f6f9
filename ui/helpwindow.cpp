#include "ui/helpwindow.h"

#include "gfx/offscreen.h"
#include "ui/qtext.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <QVariant>

#include <string>
#include <utility>

namespace {

// A browser that asks for the pictures the page names "legend:NAME".
class Browser : public QTextBrowser {
public:
    Browser(QWidget* parent, DHelpWindow::Pictures pictures)
        : QTextBrowser(parent), pictures_(std::move(pictures)) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("legend") &&
            pictures_) {
            OffscreenBuffer picture;
            std::string wanted = name.path().toStdString();
            if (pictures_(wanted, picture)) return picture.Image();
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    DHelpWindow::Pictures pictures_;
};

QTextBrowser* BrowserOf(QWidget* window) {
    return window ? window->findChild<QTextBrowser*>() : nullptr;
}

QWidget* MakeWindow(DHelpWindow::Pictures pictures) {
    auto* window = new QMainWindow;
    window->setObjectName(QStringLiteral("helpWindow"));
    window->resize(640, 560);
    auto* browser = new Browser(window, std::move(pictures));
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

DHelpWindow::DHelpWindow(Pictures pictures) : DWindow(MakeWindow(std::move(pictures))) {}

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
