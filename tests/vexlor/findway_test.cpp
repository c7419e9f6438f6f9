// Finding one's way in the main window as a user does, with keys, the mouse and the toolbar,
// on the offscreen platform: the find panel, the hex keys, the turns list, the status bar.
#include "app/globals.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "populatedframe.h"
#include "ui/filedialog.h"
#include "ui/findbox.h"
#include "ui/lineswindow.h"
#include "ui/messagebox.h"
#include "ui/statusbar.h"
#include "ui/toolbar.h"
#include "vexlor/framewindow.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QtTest>

class FindWayTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    QAbstractScrollArea* Map() { return window_.MapScroll(); }
    AtlCoord Selected() { return Frame().Map().GetMap().GetSelectedCoord(); }
    QString Described() {
        auto* pane = Frame().Widget()->findChild<QTreeWidget*>(QStringLiteral("descrPane"));
        return pane->topLevelItemCount() ? pane->topLevelItem(0)->text(0) : QString();
    }
    // Whether the whole picture of hex c shows in the map's window.
    bool InView(const AtlCoord& c) {
        int column = (c.x - Map()->horizontalScrollBar()->value() + 64) % 64;
        int row = c.y - Map()->verticalScrollBar()->value();
        return QRect(column * 37, row * 21, 50, 42).intersected(Map()->viewport()->rect()) ==
               QRect(column * 37, row * 21, 50, 42);
    }

    void CtrlWheel(QPoint at, int notches) {
        QWidget* map = Map()->viewport();
        QWheelEvent wheel(at, map->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(map, &wheel);
    }
    AtlCoord ClickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Map()->viewport(), button, {}, at);
        return Selected();
    }
    // Whether the panel stands beside the map's window, sharing no pixel of the screen.
    bool BesideTheMap(const DDockPanel& panel) {
        auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint()), w->size()); };
        return panel.IsOpen() && !global(Map()).intersects(global(panel.Widget()));
    }
    QLineEdit* FindText() {
        return Frame().FindBox()->Widget()->findChild<QLineEdit*>(QStringLiteral("findText"));
    }
    QStringList FindLines() {
        QStringList lines;
        for (int i = 0; i < Frame().FindBox()->GetLineCount(); ++i)
            lines << Frame().FindBox()->GetLine(i).Get();
        return lines;
    }
    // The window takes keys as the desktop gives them, to the widget with the focus.
    void Activate() {
        QApplication::setActiveWindow(Frame().Widget());
        QVERIFY(QTest::qWaitForWindowActive(Frame().Widget()));
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(8); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void ctrlFFindsATownAndGoesThere() {
        QTest::keyClick(Frame().Widget(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(Frame().FindBox() && Frame().FindBox()->IsOpen());
        QVERIFY(BesideTheMap(*Frame().FindBox()));
        QLineEdit* text = FindText();
        QTest::keyClicks(text, "verDORF");
        QCOMPARE(Frame().FindBox()->GetLineCount(), 1);
        QCOMPARE(Frame().FindBox()->GetLine(0), Str("(0,32)  town  Verdorf"));
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(Selected(), AtlCoord(0, 32, 0));
        QVERIFY(InView(AtlCoord(0, 32)));
        QCOMPARE(Described(), QStringLiteral("jungle (0,32) in Erisort"));
        // A unit number lists exactly that unit; the list follows the turn on show.
        text->setText(QStringLiteral("404"));
        QCOMPARE(Frame().FindBox()->GetLineCount(), 1);
        QVERIFY(Frame().FindBox()->GetLine(0).View().find("unit  Guards (404)") !=
                std::string::npos);
        text->setText(QStringLiteral("nowhere at all"));
        QCOMPARE(Frame().FindBox()->GetLineCount(), 0);
    }

    void findTakesBackTheFormsItWritesAndTellsOlderSightings() {
        Frame().EvCommand(CM_VIEWFIND);
        // The coordinates a line starts with, and the forms a player types, find that hex.
        for (const char* typed : {"(0,32)", "0,32", "0,32,0", " ( 0 , 32 , Surface ) "}) {
            FindText()->setText(QString::fromLatin1(typed));
            QCOMPARE(FindLines(), QStringList{QStringLiteral("(0,32)  hex  (0,32)")});
        }
        FindText()->setText(QStringLiteral("(0,0,nexus)"));
        QStringList nexus = FindLines();
        QCOMPARE(nexus.size(), 1);
        QVERIFY(nexus[0].startsWith(QStringLiteral("(0,0,nexus)  hex  (0,0,nexus)  (seen in ")));
        for (const char* typed : {"0,0,NEXUS", "0,0,2", "nexus"}) {
            FindText()->setText(QString::fromLatin1(typed));
            QCOMPARE(FindLines().value(0), nexus[0]);
        }
        // Choosing the nexus shows its level.
        QTest::keyClick(FindText(), Qt::Key_Return);
        QCOMPARE(Selected(), AtlCoord(0, 0, 2));
        QCOMPARE(Frame().Map().GetCurPlain(), 2);

        // The shipwrights, seen in several hexes: this month's sighting first, then the older
        // ones, newest first, each saying its month and shown faded.
        FindText()->setText(QStringLiteral("360"));
        QStringList lines = FindLines();
        QVERIFY(lines.size() > 2);
        QVERIFY(!lines[0].contains(QStringLiteral("seen in")));
        QVERIFY(!Frame().FindBox()->IsLineOlder(0));
        QVERIFY(lines[1].endsWith(QStringLiteral("Shipwrights (360)  (seen in July, Year 1)")));
        QVERIFY(lines.last().contains(QStringLiteral("(seen in February, Year 1)")));
        for (int i = 1; i < lines.size(); ++i)
            QVERIFY(Frame().FindBox()->IsLineOlder(i));
    }

    void panelsCloseIntoTheMapsKeyboardAndAreKeptInTheProfile() {
        Activate();
        Frame().GoTo(AtlCoord(0, 32));
        QTest::keyClick(Frame().Widget(), Qt::Key_E, Qt::ControlModifier);
        QTest::keyClick(Frame().Widget(), Qt::Key_F, Qt::ControlModifier);
        DFindBox& find = *Frame().FindBox();
        DLinesWindow& events = *Frame().TurnEventsWindow();
        QVERIFY(BesideTheMap(find) && BesideTheMap(events));
        QTRY_VERIFY(find.HasFocus());
        QVERIFY(!Frame().Map().HasFocus());
        // Escape closes the find panel and the hex keys work at once.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!find.IsOpen());
        QTRY_VERIFY(Frame().Map().HasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E); // northeast
        QCOMPARE(Selected(), AtlCoord(1, 31, 0));

        // The events panel, left open, opens again with the next window; the find panel not.
        MessageBoxScript::PushAnswer(IDNO);
        window_.Reopen();
        QVERIFY(!Frame().FindBox());
        QVERIFY(Frame().TurnEventsWindow() && Frame().TurnEventsWindow()->IsOpen());
        QCOMPARE(Frame().TurnEventsWindow()->GetSide(), DDockPanel::Bottom);
        Frame().Show(SW_SHOWNORMAL);
        Activate();
        Frame().TurnEventsWindow()->Close();
        QTRY_VERIFY(Frame().Map().HasFocus());
        MessageBoxScript::PushAnswer(IDNO);
        window_.Reopen();
        QVERIFY(!Frame().TurnEventsWindow());
    }

    void hexKeysMoveTheSelectionAndTheViewFollows() {
        Frame().GoTo(AtlCoord(0, 32));
        QWidget* map = Map()->viewport();
        map->setFocus();
        QTest::keyClick(map, Qt::Key_E); // northeast
        QCOMPARE(Selected(), AtlCoord(1, 31, 0));
        QTest::keyClick(map, Qt::Key_A); // southwest, back
        QTest::keyClick(map, Qt::Key_Q); // northwest, across the wrap
        QCOMPARE(Selected(), AtlCoord(63, 31, 0));
        QVERIFY(InView(Selected()));
        QCOMPARE(Described().isEmpty(), false);
        // North until the edge of the world: the selection stays on the first row, in view.
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(map, Qt::Key_8);
        QCOMPARE(Selected(), AtlCoord(63, 1, 0));
        QVERIFY(InView(Selected()));
        // The keypad with NumLock off sends the keys printed under its digits: they move the
        // selection all the same, while the arrows of the main block scroll.
        QTest::keyClick(map, Qt::Key_Down, Qt::KeypadModifier); // 2, south
        QCOMPARE(Selected(), AtlCoord(63, 3, 0));
        QTest::keyClick(map, Qt::Key_PageUp, Qt::KeypadModifier); // 9, northeast
        QCOMPARE(Selected(), AtlCoord(0, 2, 0));
        int row = Map()->verticalScrollBar()->value();
        QTest::keyClick(map, Qt::Key_Down);
        QCOMPARE(Selected(), AtlCoord(0, 2, 0));
        QCOMPARE(Map()->verticalScrollBar()->value(), row + 1);
    }

    void zoomKeepsTheHexUnderTheMouseAndIsKept() {
        MapView& pane = Frame().Map();
        QCOMPARE(pane.GetZoomStep(), HexGeometry::kActualSize);
        pane.CenterOn(AtlCoord(0, 32));
        QWidget* map = Map()->viewport();
        QPoint at(map->width() / 3, map->height() / 3);
        AtlCoord under;
        // Out to the smallest step and in to the largest, a notch at a time: the hex under
        // the mouse stays, and a click there selects it, at every step where the map can
        // still scroll that far (zoomed out, the whole height shows) and the world does not
        // fit the map (at 25% it is drawn once, whole).
        for (int notch : {-1, -1, -1, -1, -1, 1, 1, 1, 1, 1, 1, 1, 1}) {
            int step = pane.GetZoomStep();
            under = ClickAt(at);
            CtrlWheel(at, notch);
            QCOMPARE(pane.GetZoomStep(), std::clamp(step + notch, 0, 6));
            AtlCoord now = ClickAt(at);
            QScrollBar* rows = Map()->verticalScrollBar();
            bool atEnd = rows->value() == 0 || rows->value() == rows->maximum();
            QVERIFY2(now == under || (atEnd && now.x == under.x) || pane.GetScroll().once,
                     qPrintable(QStringLiteral("step %1: %2 instead of %3")
                                    .arg(pane.GetZoomStep())
                                    .arg(now.GetString().Get())
                                    .arg(under.GetString().Get())));
        }
        QCOMPARE(Profile.GetInt("Options", "Zoom", 0), 200);
        // A right click centres at any step: the middle then holds the hex.
        QTest::keyClick(Frame().Widget(), Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(Frame().Widget(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(pane.GetZoomStep(), 4);
        QTest::keyClick(Frame().Widget(), Qt::Key_Minus, Qt::ControlModifier);
        QPoint corner(map->width() / 2 + 90, map->height() / 2 + 50);
        AtlCoord far = ClickAt(corner);
        ClickAt(corner, Qt::RightButton);
        QCOMPARE(ClickAt(QPoint(map->width() / 2, map->height() / 2)), far);
        QTest::keyClick(Frame().Widget(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(pane.GetZoomStep(), HexGeometry::kActualSize);
        QVERIFY(Frame().EvCommand(CM_VIEWWHOLELEVEL));
        QVERIFY(pane.GetZoomStep() < HexGeometry::kActualSize);
        // The next window opens at the zoom the profile keeps.
        int kept = pane.GetZoomStep();
        MessageBoxScript::PushAnswer(IDNO);
        window_.Reopen();
        QCOMPARE(Frame().Map().GetZoomStep(), kept);
    }

    void turnsListStatusBarAndKeys() {
        QComboBox* turns = Frame().Widget()->findChild<QComboBox*>(QStringLiteral("turnList"));
        QVERIFY(turns);
        QCOMPARE(turns->count(), 8);
        QCOMPARE(turns->currentText(), QStringLiteral("August, Year 1"));
        QTest::keyClick(Frame().Widget(), Qt::Key_Home, Qt::AltModifier);
        QCOMPARE(Frame().ShownDate(), AtlDate(0, 1));
        QCOMPARE(turns->currentIndex(), 0);
        QTest::keyClick(Frame().Widget(), Qt::Key_End, Qt::AltModifier);
        QCOMPARE(turns->currentIndex(), 7);
        turns->activated(2);
        QCOMPARE(Frame().ShownDate(), AtlDate(2, 1));
        QTest::keyClick(Frame().Widget(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(Frame().StatusBar().GetText(0), Str("February, Year 1"));
        // The mouse over Verdorf's hex names it in the status bar.
        Frame().Map().CenterOn(AtlCoord(0, 32));
        int column = (0 - Map()->horizontalScrollBar()->value() + 64) % 64;
        int row = 32 - Map()->verticalScrollBar()->value();
        QTest::mouseMove(Map()->viewport(), QPoint(column * 37 + 25, row * 21 + 21));
        QCOMPARE(Frame().StatusBar().GetText(2), Str("(0,32) surface: jungle in Erisort"));
        // Resting there, a tip says the same and names the town.
        QPoint rest(column * 37 + 25, row * 21 + 21);
        QHelpEvent help(QEvent::ToolTip, rest, Map()->viewport()->mapToGlobal(rest));
        QApplication::sendEvent(Map()->viewport(), &help);
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("(0,32) surface: jungle in Erisort\nTown: Verdorf [city]"));
        // Ctrl+S asks for a name the first time.
        FileDialogScript::PushFileName(window_.File("saved.atl").c_str());
        QTest::keyClick(Frame().Widget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!FileDialogScript::HasAnswers());
        QVERIFY(QFile::exists(QString::fromStdString(window_.File("saved.atl"))));
    }
};

QTEST_MAIN(FindWayTest)
#include "findway_test.moc"
