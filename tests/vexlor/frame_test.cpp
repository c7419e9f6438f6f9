// The main window driven as a user would, on the offscreen platform: every dialog and message
// box is answered by the test through the toolkit's scripts.
#include "app/globals.h"
#include "gfx/bitmap.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "model/docfile.h"
#include "testdir.h"
#include "tests/support/docbuild.h"
#include "tests/support/filesizelimit.h"
#include "ui/filedialog.h"
#include "ui/messagebox.h"
#include "ui/statusbar.h"
#include "vexlor/framewindow.h"
#include "vexlor/homehex.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>
#include <sys/stat.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <tuple>
#include <unistd.h>

namespace {

const AtlDate kJanuary1(0, 1);
const AtlDate kApril1(3, 1);

std::string Report(const char* name) {
    return std::string(VEXLOR_REPORTS_DIR) + "/" + name;
}

std::string ReportsFolder() {
    return Report("head-standard");
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<Str> ShownTexts() {
    std::vector<Str> texts;
    for (const auto& shown : MessageBoxScript::History())
        texts.push_back(shown.text);
    return texts;
}

// Each known hex of every level with the date of the sighting it shows.
std::map<std::tuple<int, int, int>, int> Sightings(const AtlMap& map) {
    std::map<std::tuple<int, int, int>, int> seen;
    for (int z : map.ShownLevels())
        map.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
            seen[{c.x, c.y, z}] = hex.seenDate.Value();
        });
    return seen;
}

int LocationCount(const VexlorDoc& doc) {
    int n = 0;
    for (const TurnNode& turn : doc.Turns())
        n += static_cast<int>(turn.Locations().LongCountNodes());
    return n;
}

QAction* ToolButtonAction(const FrameWindow& frame, unsigned id) {
    return frame.Widget()->findChild<QAction*>(QStringLiteral("tool%1").arg(id));
}

} // namespace

class FrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDir> dir_;
    std::unique_ptr<FrameWindow> frame_;
    QTimer watchdog_;
    QStringList unscripted_;

    FrameWindow& Frame() { return *frame_; }
    std::string File(const char* name) const { return dir_->File(name); }

    void NewFrame() {
        frame_ = std::make_unique<FrameWindow>("Vexlor", Language.LoadMenuA(1));
        frame_->Resize(1000, 700);
        frame_->Show(SW_SHOWNORMAL);
    }

    void AddReport(const std::string& path) {
        FileDialogScript::PushFileName(path.c_str());
        QVERIFY(Frame().EvCommand(CM_FILEADDREPORT));
    }

    void SaveAs(const std::string& path) {
        FileDialogScript::PushFileName(path.c_str());
        QVERIFY(Frame().EvCommand(CM_FILESAVEAS));
    }

    bool Enabled(unsigned id) { return Frame().IsCommandEnabled(id); }

private slots:
    void initTestCase() {
        auto language = DynLib::Load(VEXLOR_VEXENU_SO);
        QVERIFY(language);
        Language.SetModule(std::move(language));
        // A dialog that the test did not script would wait for a user forever: close it and
        // fail instead.
        connect(&watchdog_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                unscripted_ << modal->windowTitle();
                modal->close();
            }
        });
        watchdog_.start(200);
    }

    void init() {
        dir_ = std::make_unique<TestDir>();
        Profile.SetIniFile(File("vexlor.INI").c_str());
        AppOptions = Options();
        MessageBoxScript::Reset();
        FileDialogScript::Reset();
        unscripted_.clear();
        NewFrame();
    }

    void cleanup() {
        frame_.reset();
        QVERIFY2(unscripted_.isEmpty(), qPrintable(unscripted_.join(", ")));
        QVERIFY(!MessageBoxScript::HasAnswers());
        QVERIFY(!FileDialogScript::HasAnswers());
        dir_.reset();
    }

    void cleanupTestCase() { Language.SetModule(nullptr, false); }

    void addsReportsThroughTheDialog() {
        AppOptions.lastDir = dir_->Path().c_str();
        AddReport(Report("head-standard/3-turn1.rep"));

        QCOMPARE(FileDialogScript::History().size(), size_t(1));
        const FileDialogParams& shown = FileDialogScript::History()[0];
        QVERIFY(!shown.save);
        QCOMPARE(shown.title, Str("Open Atlantis report"));
        QCOMPARE(shown.filter, Str("Atlantis reports (*.rep)|*.rep|All files (*.*)|*.*|"));
        QCOMPARE(shown.initialName, Str("*.rep"));
        QCOMPARE(shown.defaultExtension, Str("rep"));
        QCOMPARE(shown.directory, Str(dir_->Path().c_str()));

        const VexlorDoc& doc = Frame().Document();
        QVERIFY(MessageBoxScript::History().empty());
        QCOMPARE(doc.GetFaction().Number(), 3);
        QCOMPARE(doc.Turns().LongCountNodes(), 1L);
        QVERIFY(doc.IsModified());
        QCOMPARE(Frame().ShownDate(), kJanuary1);
        QCOMPARE(Frame().StatusBar().GetText(0), Str("January, Year 1"));
        QVERIFY(!Sightings(Frame().Map().GetMap()).empty());
        QCOMPARE(AppOptions.lastDir, Str(ReportsFolder().c_str()));
        // The caption's mark for unsaved changes shows.
        QCOMPARE(Frame().GetCaption(), Str("Vexlor - <new map>[*]"));
        QVERIFY(Frame().HasModifiedMark());

        // A newer turn moves the view to it; a cancelled dialog does nothing.
        AddReport(Report("head-standard/3-turn2.rep"));
        QCOMPARE(Frame().ShownDate(), AtlDate(1, 1));
        FileDialogScript::PushCancel();
        Frame().EvCommand(CM_FILEADDREPORT);
        QCOMPARE(doc.Turns().LongCountNodes(), 2L);
        QVERIFY(MessageBoxScript::History().empty());
    }

    void addsSeveralReportsInTheOrderOfTheirTurns() {
        AddReport(Report("head-standard/3-turn2.rep"));
        // Picked newest first, with a turn loaded already and one of another faction: each
        // question once, with its "to all" answer, then one summary in the controller's words.
        FileDialogScript::PushFileNames({Str(Report("head-standard/3-turn3.rep").c_str()),
                                         Str(Report("head-standard/3-turn2.rep").c_str()),
                                         Str(Report("head-standard/4-turn1.rep").c_str()),
                                         Str(Report("head-standard/3-turn1.rep").c_str())});
        MessageBoxScript::PushAnswer(IDNO);      // 4-turn1: not as an ally's
        MessageBoxScript::PushAnswer(IDYES);     // 4-turn1: another faction, go on
        MessageBoxScript::PushAnswer(IDNOTOALL); // 3-turn2: keep the loaded turn
        MessageBoxScript::PushAnswer(IDOK);      // the summary
        QVERIFY(Frame().EvCommand(CM_FILEADDREPORT));
        const auto& shown = MessageBoxScript::History();
        QCOMPARE(shown.size(), size_t(4));
        QCOMPARE(shown[1].style, unsigned(MB_YESALLCANCEL | MB_ICONWARNING));
        QCOMPARE(shown[2].style, unsigned(MB_YESNOALL | MB_ICONQUESTION));
        QCOMPARE(shown[3].text,
                 Str(("Reports added: 2, replaced: 0, kept: 1, refused: 1.\n\nRefused:\n" +
                      Report("head-standard/4-turn1.rep") +
                      " is for faction 4, the map is for faction 3.")
                         .c_str()));
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 3L);
        QCOMPARE(Frame().ShownDate(), AtlDate(2, 1));
    }

    // Started without a map, the map shows what to do first; each line's link runs its
    // command, and the hint goes once the map has a turn.
    void theEmptyStartShowsAHint() {
        auto* hint = Frame().Map().Widget()->findChild<QLabel*>(QStringLiteral("startHint"));
        QVERIFY(hint && hint->isVisible());
        QVERIFY(hint->text().contains("Add report") && hint->text().contains("Open map"));
        QVERIFY(!hint->text().contains("Maps used last"));
        FileDialogScript::PushCancel();
        emit hint->linkActivated(QStringLiteral("command:%1").arg(CM_FILEOPEN));
        QCOMPARE(FileDialogScript::History().back().title, Str("Open Vexlor document"));
        FileDialogScript::PushFileNames({Str(Report("head-standard/3-turn1.rep").c_str())});
        emit hint->linkActivated(QStringLiteral("command:%1").arg(CM_FILEADDREPORT));
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 1L);
        QVERIFY(!hint->isVisible());

        // The maps used last are offered by name.
        SaveAs(File("wolves.atl"));
        NewFrame();
        hint = Frame().Map().Widget()->findChild<QLabel*>(QStringLiteral("startHint"));
        QVERIFY(hint->isVisible() && hint->text().contains("wolves.atl"));
        emit hint->linkActivated(QStringLiteral("command:%1").arg(CM_FILERECENT));
        QCOMPARE(Frame().Controller().FileName(), Str(File("wolves.atl").c_str()));
        QVERIFY(!hint->isVisible());
    }

    void aReportThatLosesRegionsIsAskedAboutWithNoAsTheDefault() {
        // head -N of a report, cut between two blocks: whole on its face, but the turn would
        // lose two of its three regions.
        std::string text = ReadAll(Report("head-standard/3-turn3.rep"));
        AddReport(Report("head-standard/3-turn3.rep"));
        size_t held = Frame().Document().LastTurn()->LocationCount();
        dir_->Write("june.rep", text.substr(0, text.find("ocean (15,5) in Wyreth Ocean.\n---")));
        FileDialogScript::PushFileNames({Str(File("june.rep").c_str())});
        MessageBoxScript::PushAnswer(IDNO);
        QVERIFY(Frame().EvCommand(CM_FILEADDREPORT));
        const auto& shown = MessageBoxScript::History();
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown[0].style, unsigned(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
        QCOMPARE(
            shown[0].text,
            Str((File("june.rep") + " has 1 regions, the turn held has 3. Replace it?").c_str()));
        QCOMPARE(Frame().Document().LastTurn()->LocationCount(), held); // No kept it
    }

    void recentMapsAndExport() {
        AddReport(Report("head-standard/3-turn1.rep"));
        SaveAs(File("wolves.atl"));
        QVERIFY(!Frame().HasModifiedMark());
        QCOMPARE(Frame().Recent().Files(), std::vector<Str>{Str(File("wolves.atl").c_str())});
        QVERIFY(Frame().CommandText(CM_FILERECENT).View().ends_with("wolves.atl"));

        // File, Export map writes the level on show as a picture, offers a name that says
        // what it shows and tells where it went.
        FileDialogScript::Reset();
        FileDialogScript::PushFileName(File("map.png").c_str());
        QVERIFY(Frame().EvCommand(CM_FILEEXPORT));
        QCOMPARE(FileDialogScript::History().back().initialName,
                 Str("wolves-surface-January-Year-1.png"));
        QImage picture(QString::fromStdString(File("map.png")));
        QVERIFY(!picture.isNull() && picture.width() > 0);
        QCOMPARE(Frame().StatusBar().GetText(Frame().NoteField()),
                 Str(("Map exported to " + File("map.png")).c_str()));
        // Never over the map itself.
        const std::string map = dir_->Read("wolves.atl");
        FileDialogScript::PushFileName(File("wolves.atl").c_str());
        MessageBoxScript::PushAnswer(IDOK);
        QVERIFY(Frame().EvCommand(CM_FILEEXPORT));
        QCOMPARE(ShownTexts(),
                 (std::vector<Str>{Str((File("wolves.atl") + " is the map document itself; choose "
                                                             "another file for the picture.")
                                           .c_str())}));
        QCOMPARE(dir_->Read("wolves.atl"), map);

        // The list is kept in the profile: a new window opens the map from it.
        NewFrame();
        QVERIFY(Frame().Document().Turns().IsEmpty());
        QVERIFY(Frame().EvCommand(CM_FILERECENT));
        QCOMPARE(Frame().Document().GetFileName(), Str(File("wolves.atl").c_str()));
        QVERIFY(!Enabled(CM_FILERECENT + 1));
    }

    // A box dragged over the map after File, Export selection (or with Shift held at any time)
    // is saved as a picture of just that part, as large as the box; a plain click still
    // selects and exports nothing.
    void exportsTheSelectedPartOfTheMap() {
        AddReport(Report("head-standard/3-turn1.rep"));
        QWidget* map = Frame()
                           .Widget()
                           ->findChild<QAbstractScrollArea*>(QStringLiteral("mapView"))
                           ->viewport();
        QVERIFY(Enabled(CM_FILEEXPORTPART));
        QVERIFY(Frame().EvCommand(CM_FILEEXPORTPART));
        QCOMPARE(Frame().StatusBar().GetText(Frame().NoteField()),
                 Str("Drag a box over the map to export that part of it as a picture."));
        FileDialogScript::PushFileName(File("part.png").c_str());
        QTest::mousePress(map, Qt::LeftButton, {}, QPoint(110, 80));
        QTest::mouseMove(map, QPoint(60, 50));
        QTest::mouseRelease(map, Qt::LeftButton, {}, QPoint(10, 20));
        QCOMPARE(FileDialogScript::History().back().initialName,
                 Str("map-surface-January-Year-1.png"));
        QImage part(QString::fromStdString(File("part.png")));
        QCOMPARE(part.size(), QSize(100, 60));
        QCOMPARE(Frame().StatusBar().GetText(Frame().NoteField()),
                 Str(("Map exported to " + File("part.png")).c_str()));

        // The command is needed once: a plain drag afterwards is no box, but Shift makes one.
        const size_t asked = FileDialogScript::History().size();
        QTest::mousePress(map, Qt::LeftButton, {}, QPoint(200, 200));
        QTest::mouseRelease(map, Qt::LeftButton, {}, QPoint(300, 260));
        QCOMPARE(FileDialogScript::History().size(), asked);
        FileDialogScript::PushFileName(File("shift.png").c_str());
        QTest::mousePress(map, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 30));
        QTest::mouseRelease(map, Qt::LeftButton, Qt::ShiftModifier, QPoint(140, 70));
        QCOMPARE(QImage(QString::fromStdString(File("shift.png"))).size(), QSize(120, 40));
        // What the box covers: the same pixels the window shows there.
        QImage shown = map->grab(QRect(20, 30, 120, 40)).toImage();
        QCOMPARE(
            QImage(QString::fromStdString(File("shift.png"))).convertToFormat(QImage::Format_RGB32),
            shown.convertToFormat(QImage::Format_RGB32));
        // A box dragged out of the window ends at its edge.
        FileDialogScript::PushFileName(File("edge.png").c_str());
        QTest::mousePress(map, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 60));
        QTest::mouseRelease(map, Qt::LeftButton, Qt::ShiftModifier, QPoint(-50, 10));
        QCOMPARE(QImage(QString::fromStdString(File("edge.png"))).size(), QSize(30, 50));
    }

    void theSameTurnAgainAsksBeforeItIsReplaced() {
        AddReport(Report("head-standard/3-turn1.rep"));
        const VexlorDoc& doc = Frame().Document();
        int locations = LocationCount(doc);

        // No keeps the loaded turn, and is no error: no message follows.
        MessageBoxScript::PushAnswer(IDNO);
        AddReport(Report("head-standard/3-turn1.rep"));
        std::vector<Str> texts = ShownTexts();
        QCOMPARE(texts.size(), size_t(1));
        QCOMPARE(texts[0], Str((Report("head-standard/3-turn1.rep") +
                                " is for January, Year 1, which is already loaded. Replace the "
                                "loaded turn?")
                                   .c_str()));
        QCOMPARE(MessageBoxScript::History()[0].caption, Str("Vexlor"));
        QCOMPARE(MessageBoxScript::History()[0].style, unsigned(MB_YESNO | MB_ICONQUESTION));
        QCOMPARE(LocationCount(doc), locations);

        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDYES);
        AddReport(Report("head-standard/3-turn1.rep"));
        QCOMPARE(MessageBoxScript::History().size(), size_t(1));
        QCOMPARE(doc.Turns().LongCountNodes(), 1L);
        QCOMPARE(LocationCount(doc), locations);
    }

    void refusesAnotherFactionUnreadableFilesAndBrokenReports() {
        AddReport(Report("head-standard/3-turn1.rep"));
        SaveAs(File("wolves.atl"));
        const VexlorDoc& doc = Frame().Document();
        QVERIFY(!doc.IsModified());
        int locations = LocationCount(doc);
        auto unchanged = [&] {
            return doc.GetFaction().Number() == 3 && doc.Turns().LongCountNodes() == 1 &&
                   LocationCount(doc) == locations && !doc.IsModified() &&
                   Frame().ShownDate() == kJanuary1;
        };

        // Each message names the file and says why, in the controller's words.
        auto says = [](const std::string& text) {
            return ShownTexts() == std::vector<Str>{Str(text.c_str())};
        };
        MessageBoxScript::PushAnswer(IDNO); // not as an ally's
        MessageBoxScript::PushAnswer(IDOK);
        AddReport(Report("head-standard/4-turn2.rep"));
        QCOMPARE(ShownTexts().size(), size_t(2));
        QCOMPARE(ShownTexts()[1], Str((Report("head-standard/4-turn2.rep") +
                                       " is for faction 4, the map is for faction 3.")
                                          .c_str()));
        QVERIFY(unchanged());

        // A file that cannot be opened keeps the folder the dialogs start in as well.
        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDOK);
        AddReport(File("missing/3-turn2.rep"));
        QVERIFY(says(File("missing/3-turn2.rep") +
                     " cannot be opened: The system cannot find the file specified."));
        QCOMPARE(AppOptions.lastDir, Str(ReportsFolder().c_str()));
        QVERIFY(unchanged());

        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDOK);
        // A map document is binary: its first NUL byte is named.
        AddReport(File("wolves.atl"));
        QVERIFY(says(File("wolves.atl") + " is not an Atlantis turn report."));
        QVERIFY(unchanged());

        // A report cut off inside its regions keeps what was read and marks the document.
        QFile full(QString::fromStdString(Report("head-standard/3-turn6.rep")));
        QVERIFY(full.open(QIODevice::ReadOnly));
        QByteArray report = full.readAll();
        qsizetype lastRule = report.lastIndexOf("\n------------");
        QVERIFY(lastRule > 0);
        dir_->Write("cut.rep", report.left(lastRule + 80).toStdString());
        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDOK);
        AddReport(File("cut.rep"));
        QCOMPARE(ShownTexts().size(), size_t(1));
        QVERIFY(ShownTexts()[0].View().starts_with(File("cut.rep") + " breaks off at line "));
        QCOMPARE(doc.Turns().LongCountNodes(), 2L);
        QVERIFY(LocationCount(doc) > locations);
        QVERIFY(doc.IsModified());
        QCOMPARE(Frame().ShownDate(), AtlDate(5, 1));
    }

    void savesOpensAndStartsNew() {
        AddReport(Report("head-standard/3-turn1.rep"));
        AddReport(Report("head-standard/3-turn2.rep"));
        // Save without a name asks for one.
        FileDialogScript::PushFileName(File("wolves.atl").c_str());
        Frame().EvCommand(CM_FILESAVE);
        QCOMPARE(FileDialogScript::History().size(), size_t(3));
        const FileDialogParams save = FileDialogScript::History()[2];
        QVERIFY(save.save);
        QCOMPARE(save.title, Str("Save Vexlor document"));
        QCOMPARE(save.filter, Str("Vexlor files (*.atl)|*.atl|All files (*.*)|*.*|"));
        QCOMPARE(save.initialName, Str("*.atl"));
        QCOMPARE(save.defaultExtension, Str("atl"));
        QCOMPARE(save.directory, Str(ReportsFolder().c_str()));
        QCOMPARE(Frame().GetCaption(), Str(("Vexlor - " + File("wolves.atl") + "[*]").c_str()));
        QCOMPARE(AppOptions.lastDir, Str(dir_->Path().c_str()));
        QVERIFY(!Frame().Document().IsModified());
        std::string saved = dir_->Read("wolves.atl");
        QVERIFY(saved.size() > 27);

        // With a name, Save asks nothing.
        AddReport(Report("head-standard/3-turn3.rep"));
        Frame().EvCommand(CM_FILESAVE);
        QCOMPARE(FileDialogScript::History().size(), size_t(4));
        QVERIFY(!Frame().Document().IsModified());
        QVERIFY(dir_->Read("wolves.atl").size() > saved.size());

        // Save as, cancelled, changes nothing.
        FileDialogScript::PushCancel();
        Frame().EvCommand(CM_FILESAVEAS);
        QCOMPARE(Frame().Document().GetFileName(), Str(File("wolves.atl").c_str()));

        Frame().EvCommand(CM_FILENEW);
        QVERIFY(MessageBoxScript::History().empty());
        QVERIFY(Frame().Document().Turns().IsEmpty());
        QCOMPARE(Frame().GetCaption(), Str("Vexlor - <new map>[*]"));
        QCOMPARE(Frame().ShownDate(), AtlDate());
        QVERIFY(Sightings(Frame().Map().GetMap()).empty());
        QCOMPARE(Frame().StatusBar().GetText(0), Str());
        QVERIFY(!Enabled(CM_VIEWNEXTTURN) && !Enabled(CM_VIEWPREVTURN));

        AppOptions.lastDir = "/elsewhere";
        FileDialogScript::PushFileName(File("wolves.atl").c_str());
        Frame().EvCommand(CM_FILEOPEN);
        const FileDialogParams open = FileDialogScript::History().back();
        QVERIFY(!open.save);
        QCOMPARE(open.title, Str("Open Vexlor document"));
        QCOMPARE(open.filter, save.filter);
        QCOMPARE(open.directory, Str("/elsewhere"));
        const VexlorDoc& doc = Frame().Document();
        QCOMPARE(doc.Turns().LongCountNodes(), 3L);
        QVERIFY(!doc.IsModified());
        // An opened document shows its newest turn.
        QCOMPARE(Frame().ShownDate(), AtlDate(2, 1));
        QCOMPARE(Frame().StatusBar().GetText(0), Str("March, Year 1"));
        QCOMPARE(Frame().GetCaption(), Str(("Vexlor - " + File("wolves.atl") + "[*]").c_str()));
        QCOMPARE(AppOptions.lastDir, Str(dir_->Path().c_str()));
        AtlMap expected;
        FormatMap(doc, expected, AtlDate(2, 1));
        QCOMPARE(Sightings(Frame().Map().GetMap()), Sightings(expected));
    }

    void aFileThatIsNoDocumentLeavesTheOpenOneAlone() {
        AddReport(Report("head-standard/3-turn1.rep"));
        SaveAs(File("wolves.atl"));
        auto stillOpen = [&] {
            return Frame().Document().Turns().LongCountNodes() == 1 &&
                   Frame().Document().GetFileName() == Str(File("wolves.atl").c_str()) &&
                   Frame().GetCaption() ==
                       Str(("Vexlor - " + File("wolves.atl") + "[*]").c_str()) &&
                   !Sightings(Frame().Map().GetMap()).empty();
        };
        MessageBoxScript::PushAnswer(IDOK);
        FileDialogScript::PushFileName(Report("head-standard/3-turn2.rep").c_str());
        Frame().EvCommand(CM_FILEOPEN);
        QCOMPARE(ShownTexts(),
                 (std::vector<Str>{Str(
                     (Report("head-standard/3-turn2.rep") + " is not a map document.").c_str())}));
        QVERIFY(stillOpen());

        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDOK);
        FileDialogScript::PushFileName(File("nothing.atl").c_str());
        Frame().EvCommand(CM_FILEOPEN);
        QCOMPARE(ShownTexts(),
                 (std::vector<Str>{Str((File("nothing.atl") +
                                        " cannot be opened: The system cannot find the file "
                                        "specified.")
                                           .c_str())}));
        QVERIFY(stillOpen());
    }

    // The window handles its events (and so repaints) while a long map opens, moved on by the
    // controller's steps; meanwhile it takes no clicks and cannot be closed.
    void aLongMapOpensWhileTheWindowKeepsHandlingEvents() {
        VexlorDoc made;
        for (int t = 0; t < 120; ++t)
            for (int i = 0; i < 50; ++i)
                AddLoc(made, AtlDate(12 + t), AtlCoord(2 * i, 0, 1));
        QCOMPARE(SaveDocFile(made, File("long.atl").c_str()), DocSaved);
        bool opening = true, closed = false;
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] {
            if (!opening) return;
            ++ticks;
            closed = closed || Frame().Widget()->close();
            auto* bar = Frame().Widget()->findChild<QMenuBar*>();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(bar->actions()[0]).center());
        });
        tick.start(0);
        Frame().Open(File("long.atl").c_str());
        opening = false;
        QVERIFY(ticks > 0);
        QVERIFY(!closed);
        QVERIFY(!QApplication::activePopupWidget()); // the File menu did not open
        QVERIFY(Frame().Widget()->isVisible());
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 120L);
    }

    void aDamagedDocumentOpensWhatItCanAndKeepsNoName() {
        for (int turn = 1; turn <= 3; ++turn)
            AddReport(Report(("head-standard/3-turn" + std::to_string(turn) + ".rep").c_str()));
        SaveAs(File("whole.atl"));
        const auto whole = std::filesystem::file_size(File("whole.atl"));
        std::filesystem::copy_file(File("whole.atl"), File("damaged.atl"));
        // Cut inside the turns' records, well before what follows them (the descriptions the
        // reports gave make that a good part of the file).
        std::filesystem::resize_file(File("damaged.atl"), whole / 4);
        const std::string damagedBytes = ReadAll(File("damaged.atl"));

        MessageBoxScript::PushAnswer(IDOK);
        FileDialogScript::PushFileName(File("damaged.atl").c_str());
        Frame().EvCommand(CM_FILEOPEN);
        QCOMPARE(ShownTexts().size(), size_t(1));
        QVERIFY(ShownTexts()[0].View().starts_with(File("damaged.atl") + " is damaged"));
        QVERIFY(!Frame().Document().Turns().IsEmpty());
        // What was recovered is marked changed, so nothing drops it without a question.
        QVERIFY(Frame().Document().IsModified());
        QVERIFY(Frame().HasModifiedMark());
        // Save asks for a new name instead of writing the shorter map over the damaged file.
        QVERIFY(Frame().Document().GetFileName().IsEmpty());
        FileDialogScript::PushCancel();
        Frame().EvCommand(CM_FILESAVE);
        QCOMPARE(ReadAll(File("damaged.atl")), damagedBytes);
        MessageBoxScript::PushAnswer(IDNO); // the question before New drops the recovered map
        Frame().EvCommand(CM_FILENEW);
        QCOMPARE(ShownTexts().size(), size_t(2));
    }

    void aDamagedExtensionAreaIsSaidOnOpen() {
        AddReport(Report("head-standard/3-turn1.rep"));
        SaveAs(File("wolves.atl"));
        std::string bytes = ReadAll(File("wolves.atl"));
        const size_t tag = bytes.find("RGNX");
        QVERIFY(tag != std::string::npos);
        bytes[tag + 7] = 0x7F; // the region chunk now claims far more than the file holds
        { std::ofstream(File("wolves.atl"), std::ios::binary) << bytes; }
        const size_t before = ShownTexts().size();
        MessageBoxScript::PushAnswer(IDOK);
        Frame().Open(File("wolves.atl").c_str());
        QCOMPARE(ShownTexts().size(), before + 1);
        QCOMPARE(std::string(ShownTexts().back().Get()),
                 File("wolves.atl") + ": the map's exits, weather and unit details could not be "
                                      "read and were left out. The unreadable part is kept in "
                                      "the file as it was.");
        // That saves keep the unreadable bytes is the document's own test.
        QCOMPARE(Frame().Document().GetFileName().Get(), File("wolves.atl"));
    }

    void aSaveAsksBeforeItPartsAMapFromItsHardLinks() {
        AddReport(Report("head-standard/3-turn1.rep"));
        SaveAs(File("wolves.atl"));
        QCOMPARE(::link(File("wolves.atl").c_str(), File("backup.atl").c_str()), 0);
        const std::string before = ReadAll(File("wolves.atl"));
        AddReport(Report("head-standard/3-turn2.rep"));
        const size_t shown = ShownTexts().size();
        MessageBoxScript::PushAnswer(IDNO);
        Frame().EvCommand(CM_FILESAVE);
        QCOMPARE(ShownTexts().size(), shown + 1);
        QVERIFY(ShownTexts().back().View().starts_with(
            File("wolves.atl") + " is one of 2 names of the same file (hard links)."));
        QCOMPARE(ReadAll(File("wolves.atl")), before); // No: nothing written
        QVERIFY(Frame().Document().IsModified());
        MessageBoxScript::PushAnswer(IDYES);
        Frame().EvCommand(CM_FILESAVE);
        QVERIFY(!Frame().Document().IsModified());
        QCOMPARE(ReadAll(File("backup.atl")), before);
        QVERIFY(ReadAll(File("wolves.atl")) != before);
    }

    void aFailedSaveKeepsTheOldFileAndTheChanges() {
        AddReport(Report("head-standard/3-turn1.rep"));
        SaveAs(File("wolves.atl"));
        const std::string before = dir_->Read("wolves.atl");
        AddReport(Report("head-standard/3-turn2.rep"));
        {
            FileSizeLimit limit(before.size() / 2);
            MessageBoxScript::PushAnswer(IDOK);
            Frame().EvCommand(CM_FILESAVE);
            QCOMPARE(ShownTexts().size(), size_t(1));
            // The file, the system's reason, and that the old file is unchanged.
            QVERIFY2(
                ShownTexts()[0].View().starts_with(File("wolves.atl") + " could not be saved: "),
                ShownTexts()[0].Get());
            QVERIFY(ShownTexts()[0].View().ends_with(". The old file is unchanged."));
            QCOMPARE(MessageBoxScript::History()[0].caption, Str("Vexlor"));
            QVERIFY(Frame().Document().IsModified());
            QCOMPARE(dir_->Read("wolves.atl"), before);

            // Exit, Yes: the save fails again, so the window stays with the changes.
            MessageBoxScript::Reset();
            MessageBoxScript::PushAnswer(IDYES);
            MessageBoxScript::PushAnswer(IDOK);
            Frame().EvCommand(CM_FILEEXIT);
            QCOMPARE(ShownTexts().size(), size_t(2));
            QVERIFY(Frame().IsVisible());
            QVERIFY(Frame().Document().IsModified());
        }
        QCOMPARE(dir_->Read("wolves.atl"), before);
        QCOMPARE(Frame().GetCaption(), Str(("Vexlor - " + File("wolves.atl") + "[*]").c_str()));

        // A folder that cannot take the file.
        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDOK);
        SaveAs(File("missing/wolves.atl"));
        QCOMPARE(ShownTexts().size(), size_t(1));
        QVERIFY(ShownTexts()[0].View().starts_with(File("missing/wolves.atl") +
                                                   " could not be saved: "));
        QCOMPARE(Frame().Document().GetFileName(), Str(File("wolves.atl").c_str()));
        QVERIFY(Frame().Document().IsModified());
    }

    void aReadOnlyOrChangedDocumentIsLeftAndSaveAsOffered() {
        AddReport(Report("head-standard/3-turn1.rep"));
        SaveAs(File("wolves.atl"));
        AddReport(Report("head-standard/3-turn2.rep"));
        const std::string before = dir_->Read("wolves.atl");
        ::chmod(File("wolves.atl").c_str(), 0444);
        MessageBoxScript::PushAnswer(IDYES);
        FileDialogScript::PushFileName(File("copy.atl").c_str());
        Frame().EvCommand(CM_FILESAVE);
        QCOMPARE(ShownTexts(),
                 (std::vector<Str>{Str((File("wolves.atl") + " is read-only, so it was not changed."
                                                             "\n\nSave the map under another name?")
                                           .c_str())}));
        QCOMPARE(dir_->Read("wolves.atl"), before);
        QCOMPARE(Frame().Document().GetFileName(), Str(File("copy.atl").c_str()));
        QVERIFY(!Frame().Document().IsModified());
        ::chmod(File("wolves.atl").c_str(), 0644);

        // Another program saves the file meanwhile: what it saved stays; No keeps the changes.
        AddReport(Report("head-standard/3-turn3.rep"));
        dir_->Write("copy.atl", "theirs");
        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDNO);
        Frame().EvCommand(CM_FILESAVE);
        QCOMPARE(ShownTexts().size(), size_t(1));
        QVERIFY(ShownTexts()[0].View().find(" was changed by another program") !=
                std::string_view::npos);
        QCOMPARE(dir_->Read("copy.atl"), std::string("theirs"));
        QVERIFY(Frame().Document().IsModified());
    }

    // Another program cuts the open map, changes two of its bytes in place or copies a smaller
    // map over it: the window steps through every turn as it was read and Save As writes the
    // map as it was read, byte for byte.
    void aMapChangedUnderneathStaysAsReadAndIsSavedWhole() {
        for (int turn = 1; turn <= 2; ++turn)
            AddReport(Report(("head-standard/3-turn" + std::to_string(turn) + ".rep").c_str()));
        SaveAs(File("smaller.atl"));
        for (int turn = 3; turn <= 4; ++turn)
            AddReport(Report(("head-standard/3-turn" + std::to_string(turn) + ".rep").c_str()));
        SaveAs(File("whole.atl"));
        const std::string whole = dir_->Read("whole.atl"), smaller = dir_->Read("smaller.atl");
        const std::string path = File("open.atl");

        const std::vector<std::pair<const char*, std::function<void()>>> ways = {
            {"cut short", [&] { std::filesystem::resize_file(path, whole.size() / 3); }},
            {"two bytes changed in place",
             [&] {
                 // Inside the first turn's regions, which the window has not shown yet.
                 std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
                 f.seekp(static_cast<std::streamoff>(whole.size() / 8));
                 f.write("\xff\xff", 2);
             }},
            {"a smaller map copied over it", [&] { dir_->Write("open.atl", smaller); }},
        };
        for (const auto& [way, change] : ways) {
            dir_->Write("open.atl", whole);
            NewFrame();
            MessageBoxScript::Reset();
            Frame().Open(path.c_str());
            QVERIFY2(ShownTexts().empty(), way);
            change();
            QVERIFY2(dir_->Read("open.atl") != whole, way);

            const VexlorDoc& doc = Frame().Document();
            const std::pair<unsigned, int> steps[] = {{CM_VIEWPREVTURN, 2}, {CM_VIEWPREVTURN, 1},
                                                      {CM_VIEWPREVTURN, 0}, {CM_VIEWNEXTTURN, 1},
                                                      {CM_VIEWNEXTTURN, 2}, {CM_VIEWNEXTTURN, 3}};
            for (const auto& [command, month] : steps) {
                Frame().EvCommand(command);
                QCOMPARE(Frame().ShownDate(), AtlDate(month, 1));
                AtlMap expected;
                FormatMap(doc, expected, AtlDate(month, 1));
                QVERIFY2(!Sightings(expected).empty(), way);
                QCOMPARE(Sightings(Frame().Map().GetMap()), Sightings(expected));
            }

            SaveAs(File("copy.atl"));
            QVERIFY2(ShownTexts().empty(), way);
            QVERIFY2(dir_->Read("copy.atl") == whole, way);
        }
    }

    void exitWithUnsavedChangesAsks() {
        AddReport(Report("head-standard/3-turn1.rep"));
        const Str question("File <new map> has changed.\n\nDo you want to save the changes?");

        MessageBoxScript::PushAnswer(IDCANCEL);
        Frame().EvCommand(CM_FILEEXIT);
        QCOMPARE(ShownTexts(), std::vector<Str>{question});
        QCOMPARE(MessageBoxScript::History()[0].style, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
        QVERIFY(Frame().IsVisible());

        // Yes with a cancelled name: still open, still changed.
        MessageBoxScript::PushAnswer(IDYES);
        FileDialogScript::PushCancel();
        Frame().EvCommand(CM_FILEEXIT);
        QVERIFY(Frame().IsVisible());
        QVERIFY(Frame().Document().IsModified());

        // The window's close box asks the same.
        MessageBoxScript::PushAnswer(IDCANCEL);
        QVERIFY(!Frame().Widget()->close());
        QCOMPARE(ShownTexts().size(), size_t(3));

        MessageBoxScript::PushAnswer(IDNO);
        Frame().EvCommand(CM_FILEEXIT);
        QVERIFY(!Frame().IsVisible());
        QVERIFY(!QFile::exists(QString::fromStdString(File("wolves.atl"))));

        NewFrame();
        AddReport(Report("head-standard/3-turn1.rep"));
        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDYES);
        FileDialogScript::PushFileName(File("wolves.atl").c_str());
        Frame().EvCommand(CM_FILEEXIT);
        QVERIFY(!Frame().IsVisible());
        QVERIFY(QFile::exists(QString::fromStdString(File("wolves.atl"))));
    }

    void everyWayOfDroppingChangesAsksFirst() {
        AddReport(Report("head-standard/3-turn1.rep"));
        SaveAs(File("wolves.atl"));
        AddReport(Report("head-standard/3-turn2.rep"));
        const Str question(
            ("File " + File("wolves.atl") + " has changed.\n\nDo you want to save the changes?")
                .c_str());

        // New and Open, cancelled at the question or at the dialog, keep the document changed.
        MessageBoxScript::PushAnswer(IDCANCEL);
        Frame().EvCommand(CM_FILENEW);
        MessageBoxScript::PushAnswer(IDCANCEL);
        Frame().EvCommand(CM_FILEOPEN);
        MessageBoxScript::PushAnswer(IDNO);
        FileDialogScript::PushCancel();
        Frame().EvCommand(CM_FILEOPEN);
        QCOMPARE(ShownTexts(), (std::vector<Str>{question, question, question}));
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 2L);
        QVERIFY(Frame().Document().IsModified());

        // The session's end asks too; agreeing and ending it closes the document.
        MessageBoxScript::PushAnswer(IDCANCEL);
        QVERIFY(!Frame().EvQueryEndSession());
        MessageBoxScript::PushAnswer(IDNO);
        QVERIFY(Frame().EvQueryEndSession());
        QCOMPARE(ShownTexts().size(), size_t(5));
        Frame().EvEndSession(true);
        QVERIFY(Frame().Document().Turns().IsEmpty());
    }

    void plainUpAndDownWithTheirButtons() {
        // Every kind of level, from a report typed for it; the map opens on the surface.
        AddReport(std::string(VEXLOR_TYPED_DIR) + "/levels.rep");
        auto* bar = Frame().Widget()->findChild<QToolBar*>(QStringLiteral("MAPTOOLBAR"));
        QVERIFY(bar);
        QList<QAction*> buttons;
        for (QAction* action : bar->actions())
            if (action->objectName().startsWith("tool")) buttons << action;
        QCOMPARE(buttons.size(), 10);
        // Left to right: plain up, plain down, first, previous, next and last turn (the turns
        // list stands between previous and next), add report, find, zoom in and zoom out.
        // Each shows its 20 x 20 cell of bitmap 103.
        Bitmap cells = Bitmap::LoadResource(kToolbarBitmap);
        cells.MakeTransparent();
        QStringList names;
        const int cellOf[] = {0, 1, 4, 3, 2, 5, 6, 7, 8, 9};
        for (int i = 0; i < buttons.size(); ++i) {
            names << buttons[i]->objectName();
            QImage icon =
                buttons[i]->icon().pixmap(20, 20).toImage().convertToFormat(QImage::Format_ARGB32);
            QImage cell = cells.Image()
                              .copy(cellOf[i] * 20, 0, 20, 20)
                              .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(icon, cell);
        }
        QCOMPARE(names, (QStringList{"tool200", "tool201", "tool204", "tool203", "tool202",
                                     "tool205", "tool105", "tool206", "tool220", "tool221"}));
        QCOMPARE(buttons[1]->toolTip(), QStringLiteral("Plain down"));

        QCOMPARE(Frame().Map().GetCurPlain(), 0);
        QCOMPARE(Frame().StatusBar().GetText(0), Str("May, Year 1"));
        QCOMPARE(Frame().StatusBar().GetText(1), Str("surface"));
        QWidget* down = bar->widgetForAction(ToolButtonAction(Frame(), CM_VIEWPLAINDOWN));
        QWidget* up = bar->widgetForAction(ToolButtonAction(Frame(), CM_VIEWPLAINUP));
        QVERIFY(up->isEnabled() && down->isEnabled());
        // Down to the bottom in the game's order, then up to the top.
        for (auto [z, name] : {std::pair{1, "underworld"},
                               {3, "deep underworld"},
                               {4, "very deep underworld"},
                               {7, "abyss"}}) {
            QTest::mouseClick(down, Qt::LeftButton);
            QCOMPARE(Frame().Map().GetCurPlain(), z);
            QCOMPARE(Frame().StatusBar().GetText(1), Str(name));
            QVERIFY(Enabled(CM_VIEWPLAINUP));
        }
        QVERIFY(!Enabled(CM_VIEWPLAINDOWN));
        QVERIFY(!down->isEnabled());
        // A disabled command does nothing, from the menu or a key.
        QVERIFY(!Frame().EvCommand(CM_VIEWPLAINDOWN, 1));
        for (int z : {4, 3, 1, 0, 2}) {
            QTest::mouseClick(up, Qt::LeftButton);
            QCOMPARE(Frame().Map().GetCurPlain(), z);
        }
        QCOMPARE(Frame().StatusBar().GetText(1), Str("nexus"));
        QVERIFY(!Enabled(CM_VIEWPLAINUP));
        QVERIFY(!up->isEnabled());
        QVERIFY(down->isEnabled());
    }

    void nextAndPreviousTurnStepOverAGapMonthByMonth() {
        AddReport(Report("head-standard/3-turn1.rep"));
        AddReport(Report("head-standard/3-turn4.rep"));
        QCOMPARE(Frame().ShownDate(), kApril1);
        QVERIFY(Enabled(CM_VIEWPREVTURN));
        QVERIFY(!Enabled(CM_VIEWNEXTTURN));

        auto* bar = Frame().Widget()->findChild<QToolBar*>(QStringLiteral("MAPTOOLBAR"));
        QWidget* prev = bar->widgetForAction(ToolButtonAction(Frame(), CM_VIEWPREVTURN));
        QWidget* next = bar->widgetForAction(ToolButtonAction(Frame(), CM_VIEWNEXTTURN));
        const VexlorDoc& doc = Frame().Document();
        auto showsMonth = [&](int month) {
            AtlMap expected;
            FormatMap(doc, expected, AtlDate(month, 1));
            return Frame().ShownDate() == AtlDate(month, 1) &&
                   Sightings(Frame().Map().GetMap()) == Sightings(expected);
        };

        for (int month : {2, 1, 0}) {
            QTest::mouseClick(prev, Qt::LeftButton);
            QVERIFY(showsMonth(month));
        }
        QVERIFY(!Enabled(CM_VIEWPREVTURN));
        QVERIFY(!prev->isEnabled());
        QCOMPARE(Frame().StatusBar().GetText(0), Str("January, Year 1"));
        // February and March show what January saw; April what April saw.
        auto january = Sightings(Frame().Map().GetMap());
        auto* turns = bar->findChild<QComboBox*>(QStringLiteral("turnList"));
        for (int month : {1, 2, 3}) {
            QTest::mouseClick(next, Qt::LeftButton);
            QVERIFY(showsMonth(month));
            if (month < 3) QCOMPARE(Sightings(Frame().Map().GetMap()), january);
        }
        // The list of turns names the month on show, also one without a report; picking an
        // entry shows its month.
        QTest::mouseClick(prev, Qt::LeftButton);
        QCOMPARE(turns->currentText(), QStringLiteral("March, Year 1 (from earlier reports)"));
        QCOMPARE(turns->count(), 3);
        const int widthThen = turns->width();
        emit turns->activated(2);
        QVERIFY(showsMonth(3));
        QCOMPARE(turns->count(), 2);
        QCOMPARE(turns->width(), widthThen); // the buttons after it stay in place
        QVERIFY(Sightings(Frame().Map().GetMap()) != january);
        QVERIFY(!Enabled(CM_VIEWNEXTTURN));
        QVERIFY(!next->isEnabled());

        // Adding an older turn while the newest is on show keeps the view where it is.
        MessageBoxScript::PushAnswer(IDYES);
        AddReport(Report("head-standard/3-turn1.rep"));
        QCOMPARE(Frame().ShownDate(), kApril1);
    }

    // View, Your units at newest known places: the map marks what the core marks for the
    // choice, and the choice is kept in the profile for the next window.
    void theNewestKnownUnitPlacesAreAViewChoiceKept() {
        AddReport(Report("head-standard/3-turn1.rep"));
        AddReport(Report("head-standard/3-turn4.rep"));
        Frame().ShowTurn(AtlDate(1, 1)); // February: no report of its own
        auto flags = [](const AtlMap& map) {
            std::map<std::tuple<int, int, int>, uint32_t> marks;
            for (int z : map.ShownLevels())
                map.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
                    marks[{c.x, c.y, z}] = hex.hexFlags & ~AtlHexData::HexSelected;
                });
            return marks;
        };
        auto showsAsCore = [&](OwnUnitPlaces places) {
            AtlMap expected;
            FormatMap(Frame().Document(), expected, Frame().ShownDate(), places);
            return flags(Frame().Map().GetMap()) == flags(expected);
        };
        auto ownMarked = [&] {
            int n = 0;
            for (const auto& [where, marks] : flags(Frame().Map().GetMap()))
                n += (marks & AtlHexData::HexOwnUnits) != 0;
            return n;
        };
        QVERIFY(!Frame().IsCommandChecked(CM_VIEWNEWESTUNITS));
        QVERIFY(showsAsCore(OwnUnitPlaces::ThisMonth));
        QCOMPARE(ownMarked(), 0);

        QVERIFY(Frame().EvCommand(CM_VIEWNEWESTUNITS));
        QVERIFY(Frame().IsCommandChecked(CM_VIEWNEWESTUNITS));
        QVERIFY(showsAsCore(OwnUnitPlaces::NewestKnown));
        QVERIFY(ownMarked() > 0);
        QCOMPARE(Profile.GetInt("Options", "NewestUnitPlaces", 0), 1);

        NewFrame();
        QVERIFY(Frame().UnitPlaces() == OwnUnitPlaces::NewestKnown);
        QVERIFY(Frame().IsCommandChecked(CM_VIEWNEWESTUNITS));
        QVERIFY(Frame().EvCommand(CM_VIEWNEWESTUNITS));
        QVERIFY(Frame().UnitPlaces() == OwnUnitPlaces::ThisMonth);
        QCOMPARE(Profile.GetInt("Options", "NewestUnitPlaces", 1), 0);
    }

    void theMapOpensWhereTheFactionStands() {
        for (const char* name : {"head-standard/4-turn3.rep", "v404-standard/5-turn2.rep",
                                 "head-neworigins/3-turn1.rep"}) {
            NewFrame();
            AddReport(Report(name));
            const VexlorDoc& doc = Frame().Document();
            AtlCoord home;
            QVERIFY2(HomeHex(doc, Frame().ShownDate(), home), name);
            const LocationNode* loc = doc.LastTurn()->FindLoc(home);
            QVERIFY(loc && home.z != 2);
            bool own = false;
            for (const UnitNode& unit : loc->units)
                own = own || unit.faction == doc.GetFaction();
            QVERIFY2(own, name);
            QCOMPARE(Frame().Map().GetCurPlain(), int(home.z));
            // Nothing to show before the first turn.
            QVERIFY(!HomeHex(doc, AtlDate(doc.FirstTurn()->date.Value() - 1), home));
        }
        VexlorDoc empty;
        AtlCoord home;
        QVERIFY(!HomeHex(empty, AtlDate(100), home));
    }

    void clickingAHexFillsTheDescriptionPane() {
        for (int turn = 1; turn <= 8; ++turn)
            AddReport(Report(("head-standard/3-turn" + std::to_string(turn) + ".rep").c_str()));
        const AtlCoord verdorf(0, 32);
        Frame().Map().CenterOn(verdorf);
        auto* map = Frame().Widget()->findChild<QAbstractScrollArea*>(QStringLiteral("mapView"));
        auto* pane = Frame().Widget()->findChild<QTreeWidget*>(QStringLiteral("descrPane"));
        QVERIFY(map && pane);
        QCOMPARE(pane->topLevelItemCount(), 0);
        // The scroll bars stand at the first column and row in view; the world wraps at 64.
        int column = (verdorf.x - map->horizontalScrollBar()->value() + 64) % 64;
        int row = verdorf.y - map->verticalScrollBar()->value();
        QPoint middle(column * 37 + 25, row * 21 + 21);
        QVERIFY(map->viewport()->rect().contains(middle));
        QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, middle);
        QCOMPARE(pane->topLevelItemCount(), 1);
        QCOMPARE(pane->topLevelItem(0)->text(0), QStringLiteral("jungle (0,32) in Erisort"));
        QVERIFY(!pane->findItems(QStringLiteral("Contains: Verdorf [city]"),
                                 Qt::MatchExactly | Qt::MatchRecursive)
                     .isEmpty());
        // Another turn keeps the hex selected and describes it as that turn saw it.
        QVERIFY(Frame().EvCommand(CM_VIEWPREVTURN));
        QCOMPARE(Frame().Map().GetMap().GetSelCount(), 1);
        QCOMPARE(pane->topLevelItemCount(), 1);
        QVERIFY(!pane->findItems(QStringLiteral("Last seen: July, Year 1"),
                                 Qt::MatchExactly | Qt::MatchRecursive)
                     .isEmpty());
        // A new map empties the pane rather than describing a hex of the old one.
        MessageBoxScript::PushAnswer(IDNO);
        QVERIFY(Frame().EvCommand(CM_FILENEW));
        QCOMPARE(pane->topLevelItemCount(), 0);
        QCOMPARE(Frame().Map().GetMap().GetSelCount(), 0);
    }

    void theSplitterPlaceIsKeptInTheProfile() {
        auto* separator = Frame().Widget()->findChild<QWidget*>(QStringLiteral("separator"));
        auto* map = Frame().Widget()->findChild<QWidget*>(QStringLiteral("mapView"));
        auto* descr = Frame().Widget()->findChild<QWidget*>(QStringLiteral("descrPane"));
        QVERIFY(separator && map && descr);
        const int width = Frame().GetClientRect().w;
        QVERIFY(width > 100);
        QCOMPARE(Frame().SeparatorPosition(), 600);
        QCOMPARE(map->width(), width * 600 / 1000);
        QCOMPARE(separator->x(), map->width());
        QCOMPARE(descr->x() + descr->width(), width);

        // Dragged to 40 % of the width.
        const int target = width * 4 / 10;
        QPoint grip(2, 20);
        QTest::mousePress(separator, Qt::LeftButton, {}, grip);
        QTest::mouseMove(separator, grip + QPoint(target - separator->x(), 0));
        QTest::mouseRelease(separator, Qt::LeftButton, {}, grip + QPoint(0, 0));
        QCOMPARE(Frame().SeparatorPosition(), 400);
        QCOMPARE(Profile.GetInt("Options", "Separator1", 0), 400);
        QCOMPARE(map->width(), target);
        QCOMPARE(descr->x(), target + separator->width());

        // The frame follows its size at the same place; a new window starts there.
        Frame().Resize(800, 600);
        QCOMPARE(map->width(), Frame().GetClientRect().w * 400 / 1000);
        NewFrame();
        QCOMPARE(Frame().SeparatorPosition(), 400);

        // Dragged beyond the right edge the splitter stays on the window.
        separator = Frame().Widget()->findChild<QWidget*>(QStringLiteral("separator"));
        QTest::mousePress(separator, Qt::LeftButton, {}, grip);
        QTest::mouseMove(separator, grip + QPoint(5000, 0));
        QTest::mouseRelease(separator, Qt::LeftButton, {}, grip);
        QVERIFY(separator->x() + separator->width() <= Frame().GetClientRect().w);

        // A place that makes no sense reads as the default.
        Profile.WriteInt("Options", "Separator1", 5000);
        NewFrame();
        QCOMPARE(Frame().SeparatorPosition(), 600);
    }

    void filesOnTheCommandLineOrDroppedAreOpenedAndAdded() {
        // Nothing refused: the summary is a note in the status bar, not a box to click away.
        Frame().OpenFiles({Str(Report("head-standard/3-turn1.rep").c_str()),
                           Str(Report("head-standard/3-turn2.rep").c_str())});
        QVERIFY(MessageBoxScript::History().empty());
        QCOMPARE(Frame().StatusBar().GetText(Frame().NoteField()),
                 Str("Reports added: 2, replaced: 0, kept: 0, refused: 0."));
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 2L);
        QCOMPARE(Frame().ShownDate(), AtlDate(1, 1));
        MessageBoxScript::Reset();
        SaveAs(File("wolves.atl"));

        auto drop = [&](const QStringList& files) {
            QList<QUrl> urls;
            for (const QString& f : files)
                urls << QUrl::fromLocalFile(f);
            QMimeData data;
            data.setUrls(urls);
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            enter.ignore();
            QApplication::sendEvent(Frame().Widget(), &enter);
            if (!enter.isAccepted()) return false;
            QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(Frame().Widget(), &dropped);
            return true;
        };
        // Only documents and reports are taken.
        QVERIFY(!drop({QString::fromStdString(File("notes.txt"))}));

        NewFrame();
        QVERIFY(drop({QString::fromStdString(File("wolves.atl"))}));
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 2L);
        QVERIFY(drop({QString::fromStdString(Report("head-standard/3-turn3.rep"))}));
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 3L);
        QCOMPARE(Frame().ShownDate(), AtlDate(2, 1));

        // A document dropped over unsaved changes asks first; Cancel stops there.
        MessageBoxScript::PushAnswer(IDCANCEL);
        QVERIFY(drop({QString::fromStdString(File("wolves.atl")),
                      QString::fromStdString(Report("head-standard/3-turn4.rep"))}));
        QCOMPARE(MessageBoxScript::History().size(), size_t(1));
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 3L);
    }
};

QTEST_MAIN(FrameTest)
#include "frame_test.moc"
