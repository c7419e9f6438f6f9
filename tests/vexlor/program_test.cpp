#include "app/globals.h"
#include "testdir.h"
#include "ui/dapplication.h"
#include "ui/dwindow.h"
#include "ui/filedialog.h"
#include "ui/messagebox.h"
#include "vexlor/winmain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>

namespace {

QMainWindow* MainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frameWindow") && w->isVisible())
            return qobject_cast<QMainWindow*>(w);
    return nullptr;
}

QAction* Command(QWidget* window, unsigned id) {
    return window ? window->findChild<QAction*>(QStringLiteral("cmd%1").arg(id)) : nullptr;
}

// Runs drive once the program runs its event loop. Not before: start-up already handles
// events while it opens the files named on the command line.
void WhenRunning(std::function<void()> drive) {
    QTimer::singleShot(0, [drive] {
        if (QThread::currentThread()->loopLevel() == 0) return WhenRunning(drive);
        drive();
        // Whatever drive did, the program ends: a failed check must not leave the loop running.
        if (QMainWindow* still = MainWindow()) still->close();
    });
}

// Runs the program from a folder laid out like an installed one, with drive run once the
// main window is up; drive must end the program. Returns the program's result.
int RunProgram(const TestDir& dir, std::function<void()> drive) {
    Profile.SetIniFile(dir.File("vexlor.INI").c_str());
    AppOptions = Options();
    WhenRunning(std::move(drive));
    DynLib program(dir.File("vexlor").c_str());
    char noArguments[] = "";
    int result = WinMain(&program, nullptr, noArguments, SW_SHOWNORMAL);
    Language.SetModule(nullptr, false);
    return result;
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheLanguagesMenuAnswersAboutAndExitsSavingItsOptions() {
        TestDir dir;
        dir.Copy(VEXLOR_VEXENU_SO, "vexenu.so");
        dir.Copy(VEXLOR_VEXENU_HTML, "vexenu.html");
        dir.Write("vexlor.INI", "[Options]\nLanguage=deu\n[RightPane]\nbProductsOpen=2\n");

        QString caption, aboutCaption, helpSource;
        std::map<unsigned, QString> entries;
        std::map<unsigned, bool> enabled;
        QStringList titles, aboutTexts;
        bool aboutClosed = false, exited = false;

        int result = RunProgram(dir, [&] {
            QMainWindow* window = MainWindow();
            if (!window) return;
            caption = window->windowTitle();
            for (QMenuBar* bar : window->findChildren<QMenuBar*>())
                for (QAction* title : bar->actions())
                    titles << title->text();
            for (QAction* action : window->findChildren<QAction*>())
                if (action->objectName().startsWith(QLatin1String("cmd"))) {
                    entries[action->data().toUInt()] = action->text();
                    enabled[action->data().toUInt()] = action->isEnabled();
                }

            QTimer::singleShot(0, [&] {
                QWidget* about = QApplication::activeModalWidget();
                if (!about) return;
                aboutCaption = about->windowTitle();
                for (QLabel* label : about->findChildren<QLabel*>())
                    aboutTexts << label->text();
                if (auto* ok = about->findChild<QPushButton*>(QStringLiteral("button1"))) {
                    ok->click();
                    aboutClosed = true;
                }
            });
            Command(window, 903)->trigger(); // returns once the About box is closed

            Command(window, 902)->trigger();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("helpWindow") && w->isVisible())
                    helpSource = w->findChild<QTextBrowser*>()->source().toString();

            Command(window, 100)->trigger();
            exited = !window->isVisible();
        });

        QCOMPARE(result, 0);
        QCOMPARE(caption, QStringLiteral("Vexlor - <new map>[*]"));
        QCOMPARE(titles, (QStringList{"&File", "&View", "&Bookmarks", "&Help"}));
        std::map<unsigned, QString> expected = {
            {101, "&New"},         {102, "&Open"},       {103, "&Save"},
            {104, "Sa&ve as..."},  {105, "&Add report"}, {106, "&Export map..."},
            {100, "E&xit"},        {200, "Plain &up"},   {201, "Plain &down"},
            {202, "Next turn"},    {203, "Prev turn"},   {204, "First turn"},
            {205, "Last turn"},    {206, "&Find..."},    {207, "Turn &events..."},
            {220, "Zoom &in"},     {221, "Zoom &out"},   {222, "Actual si&ze"},
            {223, "&Whole level"}, {901, "&Index\tF1"},  {902, "&Using help"},
            {903, "&About..."}};
        expected[224] = "Your units at &newest known places";
        expected[250] = "Export se&lection...";
        expected[255] = "&Minimap";
        expected[285] = "&Changes...";
        expected[290] = "Clear trac&k";
        expected[260] = "&Note...";
        expected[261] = "&Bookmark this hex";
        const char* shade[] = {"&None",
                               "&Wages",
                               "&Peasants",
                               "&Taxes",
                               "&Entertainment",
                               "An &item's amount or price...",
                               "&Last seen",
                               "Weather t&his month",
                               "Weather ne&xt month",
                               "&Factions"};
        for (unsigned i = 0; i < 10; ++i)
            expected[240 + i] = shade[i];
        expected[270] = "F&action...";
        expected[271] = "&Reference...";
        expected[230] = "Add ally's &map...";
        expected[231] = "Export for an all&y...";
        expected[232] = "A&llies...";
        expected[295] = "Uni&ts...";
        expected[296] = "Faction&s...";
        expected[280] = "Histor&y...";
        QCOMPARE(entries, expected);
        // An empty map at actual size has no level but the surface: the plain and turn steps
        // Actual size, Export map and Export selection stand greyed, and so do a note and a
        // bookmark without a hex selected, and Clear track without a track.
        for (auto [id, on] : enabled)
            QCOMPARE(on, (id < 200 || id > 205) && id != 222 && id != 106 && id != 250 &&
                             id != 260 && id != 261 && id != 230 && id != 231 && id != 290);

        QVERIFY(aboutClosed);
        QCOMPARE(aboutCaption, QStringLiteral("About"));
        QVERIFY(aboutTexts.contains("Vexlor") && aboutTexts.contains("Version 1.0"));
        QVERIFY(helpSource.endsWith(QLatin1String("vexenu.html#using")));
        QVERIFY(exited);

        // The language fell back to English, and that is what the profile keeps.
        ApplicationProfile written(dir.File("vexlor.INI").c_str());
        QCOMPARE(written.GetString("Options", "Language", "", 64), Str("enu"));
        QCOMPARE(written.GetString("RightPane", "bProductsOpen", "", 8), Str("1"));
        QCOMPARE(written.GetString("RightPane", "bBuildingsOpen", "", 8), Str("0"));
        QVERIFY(written.GetInt("Window", "W", 0) >= 100);
        QCOMPARE(written.GetInt("Window", "show", -1), int(SW_SHOWNORMAL));
        QVERIFY(written.GetString("Options", "LastDir", "none", 64).IsEmpty());
    }

    void startsWithoutAnyLanguageLibrary() {
        TestDir dir;
        QString caption;
        int menuEntries = -1;
        int result = RunProgram(dir, [&] {
            QMainWindow* window = MainWindow();
            if (!window) return;
            caption = window->windowTitle();
            menuEntries = window->menuBar()->actions().size();
            window->close();
        });
        QCOMPARE(result, 0);
        QCOMPARE(caption, QStringLiteral("Vexlor - <new map>[*]"));
        QCOMPARE(menuEntries, 0);
        ApplicationProfile written(dir.File("vexlor.INI").c_str());
        QCOMPARE(written.GetString("Options", "Language", "", 64), Str("enu"));
    }

    void placesTheWindowWhereItWasLastTime() {
        TestDir dir;
        dir.Copy(VEXLOR_VEXENU_SO, "vexenu.so");
        dir.Write("vexlor.INI", "[Window]\nX=20\nY=30\nW=500\nH=400\nshow=1\n");
        QRect placed;
        RunProgram(dir, [&] {
            if (QMainWindow* window = MainWindow()) placed = window->geometry();
        });
        QCOMPARE(placed, QRect(20, 30, 500, 400));
        ApplicationProfile written(dir.File("vexlor.INI").c_str());
        QCOMPARE(written.GetInt("Window", "X", 0), 20);
        QCOMPARE(written.GetInt("Window", "H", 0), 400);
    }

    void opensTheFilesNamedOnTheCommandLine() {
        TestDir dir;
        dir.Copy(VEXLOR_VEXENU_SO, "vexenu.so");
        std::string turn1 = std::string(VEXLOR_REPORTS_DIR) + "/head-standard/3-turn1.rep";
        std::string turn2 = std::string(VEXLOR_REPORTS_DIR) + "/head-standard/3-turn2.rep";
        std::string doc = dir.File("wolves.atl");
        char program[] = "vexlor";
        auto status = [] {
            QMainWindow* window = MainWindow();
            auto* bar = window ? window->findChild<QStatusBar*>() : nullptr;
            auto* field = bar ? bar->findChild<QLabel*>() : nullptr;
            return field ? field->text() : QString();
        };

        // Reports start a new map, added in order; leaving it asks to save, and it is saved.
        char* reports[] = {program, turn1.data(), turn2.data(), nullptr};
        DApplication::SetArguments(3, reports);
        MessageBoxScript::Reset();
        FileDialogScript::Reset();
        QString caption, shown, note;
        RunProgram(dir, [&] {
            if (QMainWindow* window = MainWindow()) caption = window->windowTitle();
            shown = status();
            if (QMainWindow* window = MainWindow())
                note = window->findChild<QLabel*>(QStringLiteral("gadget3"))->text();
            MessageBoxScript::PushAnswer(IDYES);
            FileDialogScript::PushFileName(doc.c_str());
            if (QMainWindow* window = MainWindow()) Command(window, 100)->trigger();
        });
        QCOMPARE(caption, QStringLiteral("Vexlor - <new map>[*]"));
        QCOMPARE(shown, QStringLiteral("February, Year 1"));
        // Nothing was refused: the summary is a note, and the only box is the question on leaving.
        QCOMPARE(MessageBoxScript::History().size(), size_t(1));
        QCOMPARE(note, QStringLiteral("Reports added: 2, replaced: 0, kept: 0, refused: 0."));
        QVERIFY(QFile::exists(QString::fromStdString(doc)));

        // A document opens, at its newest turn, and leaves without a question.
        char* document[] = {program, doc.data(), nullptr};
        DApplication::SetArguments(2, document);
        MessageBoxScript::Reset();
        RunProgram(dir, [&] {
            if (QMainWindow* window = MainWindow()) caption = window->windowTitle();
            shown = status();
            if (QMainWindow* window = MainWindow()) Command(window, 100)->trigger();
        });
        DApplication::SetArguments(0, nullptr);
        QCOMPARE(caption, QString::fromStdString("Vexlor - " + doc + "[*]"));
        QCOMPARE(shown, QStringLiteral("February, Year 1"));
        QVERIFY(MessageBoxScript::History().empty());
        QVERIFY(!FileDialogScript::HasAnswers() && !MessageBoxScript::HasAnswers());
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
