#include "app/profile.h"
#include "testdir.h"
#include "ui/dframewindow.h"
#include "ui/helpwindow.h"
#include "ui/messagebox.h"
#include "ui/resdialog.h"
#include "ui/sizemanager.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

MenuTemplate TestMenu() {
    auto item = [](int depth, unsigned id, const char* text) {
        MenuItemDef def;
        def.depth = depth;
        def.id = id;
        def.text = text;
        def.separator = text == nullptr;
        return def;
    };
    return {item(0, 0, "&File"),   item(1, 100, "E&xit"),    item(1, 0, nullptr),
            item(1, 0, "&Recent"), item(2, 110, "one.atl"),  item(1, 101, "&New"),
            item(0, 0, "\b&Help"), item(1, 903, "&About...")};
}

// A frame with handlers for some of its commands.
class TestFrame : public DFrameWindow {
public:
    TestFrame() : DFrameWindow("Test", TestMenu()) {
        OnCommand(100, [this] { ++exits; });
        OnCommand(
            110, [this] { ++recent; }, [this] { return recentEnabled; });
    }
    bool CanClose() override {
        ++asked;
        return allowClose;
    }
    void EvDestroy() override { ++destroyed; }

    int exits = 0, recent = 0, asked = 0, destroyed = 0;
    bool recentEnabled = false;
    bool allowClose = true;
};

QAction* Command(const DWindow& window, unsigned id) {
    return window.Widget()->findChild<QAction*>(QStringLiteral("cmd%1").arg(id));
}

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

private slots:
    void menuBarIsBuiltFromTheTemplate() {
        TestFrame frame;
        auto* window = qobject_cast<QMainWindow*>(frame.Widget());
        QVERIFY(window);
        QCOMPARE(frame.GetCaption(), Str("Test"));
        QList<QAction*> titles = window->menuBar()->actions();
        QCOMPARE(titles.size(), 1);
        QCOMPARE(titles[0]->text(), QStringLiteral("&File"));
        auto* right = window->findChild<QMenuBar*>(QStringLiteral("rightMenuBar"));
        QVERIFY(right);
        QCOMPARE(right->actions().size(), 1);
        QCOMPARE(right->actions()[0]->text(), QStringLiteral("&Help")); // without the "\b"

        QMenu* file = titles[0]->menu();
        QList<QAction*> entries = file->actions();
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0]->data().toUInt(), 100u);
        QVERIFY(entries[1]->isSeparator());
        QVERIFY(entries[2]->menu());
        QCOMPARE(entries[2]->menu()->actions()[0]->text(), QStringLiteral("one.atl"));
        QCOMPARE(Command(frame, 903)->text(), QStringLiteral("&About..."));
    }

    void commandsRunOnlyWhileEnabled() {
        TestFrame frame;
        QVERIFY(Command(frame, 100)->isEnabled());
        QVERIFY(!Command(frame, 101)->isEnabled()); // no handler
        QVERIFY(!Command(frame, 110)->isEnabled()); // its enabler says no
        Command(frame, 100)->trigger();
        QCOMPARE(frame.exits, 1);
        QVERIFY(!frame.EvCommand(110, 1));
        QVERIFY(!frame.EvCommand(101));
        QCOMPARE(frame.recent, 0);

        frame.recentEnabled = true;
        QVERIFY(frame.IsCommandEnabled(110));
        QVERIFY(frame.EvCommand(110, 1));
        QCOMPARE(frame.recent, 1);
        frame.UpdateCommands();
        QVERIFY(Command(frame, 110)->isEnabled());
    }

    void closingAsksTheFrameAndDestroyDoesNot() {
        TestFrame frame;
        frame.Show(SW_SHOWNORMAL);
        frame.allowClose = false;
        QVERIFY(!frame.Widget()->close());
        QVERIFY(frame.IsVisible());
        QCOMPARE(frame.asked, 1);
        QCOMPARE(frame.destroyed, 0);

        frame.Destroy();
        QVERIFY(!frame.IsVisible());
        QCOMPARE(frame.asked, 1);
        QCOMPARE(frame.destroyed, 1);
    }

    void messageBoxesCanBeScripted() {
        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDNO);
        MessageBoxScript::PushAnswer(IDCANCEL);
        QCOMPARE(DMessageBox(nullptr, "Save?", "Vexlor", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
        QCOMPARE(DMessageBox(nullptr, "Again?", "Vexlor", MB_YESNOCANCEL), IDCANCEL);
        QVERIFY(!MessageBoxScript::HasAnswers());
        const auto& shown = MessageBoxScript::History();
        QCOMPARE(int(shown.size()), 2);
        QCOMPARE(shown[0].text, Str("Save?"));
        QCOMPARE(shown[0].caption, Str("Vexlor"));
        QCOMPARE(shown[0].style, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
        MessageBoxScript::Reset();

        // A real box shows its text as written: a file name that looks like markup keeps its
        // brackets, and the blank line before the question stays.
        const char* question = "File /maps/<b>wolves.atl has changed.\n\nSave?";
        QString label;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            for (auto* text : modal->findChildren<QLabel*>())
                if (text->objectName() == QLatin1String("qt_msgbox_label"))
                    label = text->textFormat() == Qt::PlainText ? text->text() : QString();
            modal->findChild<QPushButton*>()->click();
        });
        DMessageBox(nullptr, question, "Vexlor", MB_YESNO);
        QCOMPARE(label, QString::fromUtf8(question));
    }

    // A question that covers a batch offers its answers in words, and each button answers
    // as it reads.
    void batchQuestionsOfferTheirAnswersInWords() {
        MessageBoxScript::Reset();
        auto texts = [](unsigned style) {
            QStringList list;
            for (const MessageBoxButton& b : MessageBoxButtons(style))
                list << QString::fromUtf8(b.text.Get()).remove('&');
            return list;
        };
        QCOMPARE(texts(MB_YESNOALL), (QStringList{"Yes", "Yes to all", "No", "No to all"}));
        QCOMPARE(texts(MB_YESALLCANCEL), (QStringList{"Yes", "Yes to all", "Cancel"}));
        QCOMPARE(texts(MB_OK), (QStringList{"OK"}));
        for (int answer : {IDYES, IDYESTOALL, IDCANCEL}) {
            QStringList shown;
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal) return;
                for (auto* button : modal->findChildren<QPushButton*>())
                    shown << button->text().remove('&');
                modal->findChild<QPushButton*>(QStringLiteral("answer%1").arg(answer))->click();
            });
            QCOMPARE(DMessageBox(nullptr, "Go on?", "Vexlor", MB_YESALLCANCEL), answer);
            shown.sort();
            QCOMPARE(shown, (QStringList{"Cancel", "Yes", "Yes to all"}));
        }
    }

    void dialogIsLaidOutFromItsTemplateAndEndsWithTheButtonsId() {
        DialogTemplate about;
        about.caption = "About";
        about.font = "MS Sans Serif";
        about.pointSize = 8;
        about.cx = 148;
        about.cy = 92;
        about.controls = {{ControlDef::CText, -1, "Vexlor", 4, 12, 140, 10},
                          {ControlDef::DefPushButton, 1, "OK", 49, 66, 50, 14},
                          {ControlDef::PushButton, 7, "Other", 4, 66, 40, 14}};
        std::unique_ptr<QDialog> built(DResourceDialog(about).Build(nullptr));
        QCOMPARE(built->windowTitle(), QStringLiteral("About"));
        QVERIFY(built->width() > 148 &&
                built->height() > 92); // dialog units are larger than pixels
        auto* label = built->findChild<QLabel*>();
        QCOMPARE(label->text(), QStringLiteral("Vexlor"));
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        auto* ok = built->findChild<QPushButton*>(QStringLiteral("button1"));
        QVERIFY(ok && ok->isDefault());

        QTimer::singleShot(0, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* other = modal ? modal->findChild<QPushButton*>("button7") : nullptr)
                other->click();
        });
        QCOMPARE(DResourceDialog(about).Execute(nullptr), 7);
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        QCOMPARE(DResourceDialog(about).Execute(nullptr), IDCANCEL);
    }

    void placementIsSavedAndRestored() {
        TestDir dir;
        ApplicationProfile profile(dir.File("p.INI").c_str());
        SizeManager keeper(profile);
        QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        {
            TestFrame frame;
            keeper.SetSize(frame, SW_SHOWNORMAL); // nothing saved: centred, 3/4 of the screen
            QCOMPARE(frame.GetRestoredRect().w, area.width() * 3 / 4);
            QCOMPARE(frame.GetShowState(), int(SW_SHOWNORMAL));
            frame.SetRestoredRect({30, 40, 420, 300});
            keeper.SaveSize(frame);
        }
        QCOMPARE(profile.GetInt("Window", "X", 0), 30);
        QCOMPARE(profile.GetInt("Window", "H", 0), 300);
        QCOMPARE(profile.GetInt("Window", "show", 0), int(SW_SHOWNORMAL));
        TestFrame again;
        keeper.SetSize(again, SW_SHOWDEFAULT);
        DWindow::Rect r = again.GetRestoredRect();
        QCOMPARE(r.x, 30);
        QCOMPARE(r.y, 40);
        QCOMPARE(r.w, 420);
        QCOMPARE(r.h, 300);
    }

    void placementThatWouldLoseTheWindowIsPassedOver() {
        TestDir dir;
        dir.Write("p.INI", "[Window]\nX=-50000\nY=90000\nW=3\nH=100000\nshow=0\n");
        ApplicationProfile profile(dir.File("p.INI").c_str());
        TestFrame frame;
        SizeManager(profile).SetSize(frame, SW_SHOWNORMAL);
        QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        DWindow::Rect r = frame.GetRestoredRect();
        QVERIFY(area.intersects(QRect(r.x, r.y, r.w, r.h)));
        QVERIFY(r.w >= 100 && r.h <= area.height());
        QVERIFY(frame.IsVisible()); // a saved hidden state is not restored
    }

    void aSavedPlaceIsFittedOntoTheScreensThereAre() {
        using R = DWindow::Rect;
        auto same = [](R a, R b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; };
        // Saved at a scale of 1 on 1920 x 1080, opened at a scale of 2 (960 x 540 to Qt): the
        // size shrinks to the screen and the window moves back onto it.
        const std::vector<R> scaled{{0, 0, 960, 540}};
        QVERIFY(same(FitOnScreens({700, 300, 1200, 800}, scaled), {0, 0, 960, 540}));
        QVERIFY(same(FitOnScreens({700, 300, 400, 300}, scaled), {560, 240, 400, 300}));
        // A place that fits stays; on a second screen, beside the first, too.
        const std::vector<R> two{{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};
        QVERIFY(same(FitOnScreens({30, 40, 420, 300}, two), {30, 40, 420, 300}));
        QVERIFY(same(FitOnScreens({2000, 100, 800, 600}, two), {2000, 100, 800, 600}));
        // Across both: onto the one it overlaps most. On a screen that is gone: centred on the
        // first.
        QVERIFY(same(FitOnScreens({1700, 100, 800, 600}, two), {1920, 100, 800, 600}));
        QVERIFY(same(FitOnScreens({5000, 3000, 800, 600}, two), {560, 225, 800, 600}));
        QVERIFY(same(FitOnScreens({-900, -20, 800, 600}, two), {560, 225, 800, 600}));
    }

    void helpWindowShowsThePageAtItsAnchor() {
        DHelpWindow help;
        QVERIFY(!help.ShowTopic("/no/such/help.html", ""));
        QVERIFY(help.ShowTopic(VEXLOR_VEXENU_HTML, "using"));
        QVERIFY(help.IsVisible());
        QVERIFY(help.CurrentSource().View().ends_with("vexenu.html#using"));
        QCOMPARE(help.GetCaption(), Str("Vexlor Help"));
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
