// A Qt plugin that the install check loads into the installed program through
// QT_QPA_GENERIC_PLUGINS, so the program itself carries no test hook. Once the main window is
// up it writes to $VEXLOR_PROBE_OUT what the window shows and which language libraries the
// process has mapped, then closes the window as a user would.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

namespace {

constexpr int kPollMs = 20;
constexpr int kMaxPolls = 1000; // gives up after some twenty seconds

class Probe : public QObject {
public:
    explicit Probe(QString out) : out_(std::move(out)) {
        connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
        timer_.start(kPollMs);
    }

private:
    void Look() {
        QMainWindow* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<QMainWindow*>(w); main && main->isVisible())
                window = main;
        if (!window) {
            if (++polls_ < kMaxPolls) return;
            timer_.stop();
            Write("no main window\n");
            QCoreApplication::exit(3);
            return;
        }
        timer_.stop();
        QString text = "caption\t" + window->windowTitle() + "\n";
        // Menus at the right end sit in a second bar in the first one's corner.
        for (QMenuBar* bar : window->findChildren<QMenuBar*>())
            for (QAction* title : bar->actions()) {
                text += "menu\t" + title->text() + "\n";
                if (QMenu* menu = title->menu())
                    for (QAction* item : menu->actions())
                        if (!item->isSeparator()) text += "item\t" + item->text() + "\n";
            }
        text += LanguageLibraries();
        Write(text);
        window->close();
    }

    // Every vex???.so file mapped into the process, once each.
    static QString LanguageLibraries() {
        QFile maps("/proc/self/maps");
        if (!maps.open(QIODevice::ReadOnly)) return "maps unreadable\n";
        static const QRegularExpression language("^vex[a-z]{3}\\.so$");
        QStringList seen;
        for (const QByteArray& line : maps.readAll().split('\n')) {
            int slash = line.indexOf('/');
            if (slash < 0) continue;
            QString path = QString::fromLocal8Bit(line.mid(slash));
            if (language.match(QFileInfo(path).fileName()).hasMatch() && !seen.contains(path))
                seen << path;
        }
        QString text;
        for (const QString& path : seen)
            text += "library\t" + path + "\n";
        return text;
    }

    void Write(const QString& text) {
        QFile file(out_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text.toUtf8());
    }

    QString out_;
    QTimer timer_;
    int polls_ = 0;
};

} // namespace

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")

public:
    QObject* create(const QString&, const QString&) override {
        QString out = qEnvironmentVariable("VEXLOR_PROBE_OUT");
        return out.isEmpty() ? nullptr : new Probe(out);
    }
};

#include "probe.moc"
