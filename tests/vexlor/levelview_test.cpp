// The level on show in the main window, on the offscreen platform: every way to another level
// names it in the status bar and sets Plain up and down for it, a level opens on what is known
// of it, a small level is drawn once, and the zoom keeps the hex the player is looking at.
#include "app/globals.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "populatedframe.h"
#include "ui/filedialog.h"
#include "ui/statusbar.h"
#include "vexlor/framewindow.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QtTest>

#include <set>

namespace {

std::string Typed(const char* name) {
    return std::string(VEXLOR_TYPED_DIR) + "/" + name;
}

} // namespace

class LevelViewTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    MapView& Map() { return Frame().Map(); }
    QWidget* MapArea() { return window_.MapArea(); }
    void Add(const std::string& report) {
        FileDialogScript::PushFileName(report.c_str());
        QVERIFY(Frame().EvCommand(CM_FILEADDREPORT));
    }
    AtlCoord Middle() {
        return Map().ViewCoord2HexCoord({MapArea()->width() / 2, MapArea()->height() / 2});
    }
    // The level on show, as the map, the status bar and the level commands tell it: levels.rep
    // holds every kind, the nexus at the top and the abyss at the bottom.
    void ShowsLevel(int z, const char* name) {
        QCOMPARE(Map().GetCurPlain(), z);
        QCOMPARE(Frame().StatusBar().GetText(1), Str(name));
        QCOMPARE(Frame().IsCommandEnabled(CM_VIEWPLAINUP), z != 2);
        QCOMPARE(Frame().IsCommandEnabled(CM_VIEWPLAINDOWN), z != 7);
    }
    void CtrlWheel(QPoint at, int notches) {
        QWheelEvent wheel(at, MapArea()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(MapArea(), &wheel);
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(0); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void everyWayToAnotherLevelNamesIt() {
        Add(Typed("levels.rep"));
        ShowsLevel(0, "surface");
        // The menu, then the keys.
        QVERIFY(Frame().EvCommand(CM_VIEWPLAINUP));
        ShowsLevel(2, "nexus");
        QTest::keyClick(Frame().Widget(), Qt::Key_Down, Qt::AltModifier);
        ShowsLevel(0, "surface");
        QTest::keyClick(Frame().Widget(), Qt::Key_Down, Qt::AltModifier);
        ShowsLevel(1, "underworld");
        // A find result on another level.
        QTest::keyClick(Frame().Widget(), Qt::Key_F, Qt::ControlModifier);
        QLineEdit* text = nullptr;
        for (QWidget* w : QApplication::allWidgets())
            if (w->objectName() == QLatin1String("findText")) text = static_cast<QLineEdit*>(w);
        QVERIFY(text);
        text->setText(QStringLiteral("0,0,2"));
        QTest::keyClick(text, Qt::Key_Return);
        ShowsLevel(2, "nexus");
        // The nexus's exit line leads to the surface.
        QVERIFY(window_.ClickPaneLine(
            QStringLiteral("North : plain (0,10) in Asay, contains Asaton [town]")));
        QTRY_COMPARE(Map().GetCurPlain(), 0);
        ShowsLevel(0, "surface");
        // A new map starts on the surface again.
        QVERIFY(Frame().EvCommand(CM_VIEWPLAINUP));
        MessageBoxScript::PushAnswer(IDNO);
        QVERIFY(Frame().EvCommand(CM_FILENEW));
        QCOMPARE(Frame().StatusBar().GetText(1), Str("surface"));
        QVERIFY(!Frame().IsCommandEnabled(CM_VIEWPLAINUP));
    }

    void aTurnWithoutTheLevelLeavesNoWayToIt() {
        // Faction 3's first turn knows the nexus; turn 2 adds the surface only.
        for (int turn : {1, 2})
            Add(PopulatedFrame::Report(turn));
        QVERIFY(Frame().EvCommand(CM_VIEWPLAINUP));
        QCOMPARE(Frame().StatusBar().GetText(1), Str("nexus"));
        QVERIFY(Frame().IsCommandEnabled(CM_VIEWPLAINDOWN));
        QTest::keyClick(Frame().Widget(), Qt::Key_Home, Qt::AltModifier);
        QCOMPARE(Frame().StatusBar().GetText(0), Str("January, Year 1"));
        QCOMPARE(Frame().StatusBar().GetText(1), Str("nexus"));
        QCOMPARE(Frame().IsCommandEnabled(CM_VIEWPLAINDOWN), Map().NeighbourPlain(+1) >= 0);
    }

    void aLevelOpensOnWhatIsKnownOfIt() {
        Add(Typed("levels.rep"));
        Map().CenterOn(AtlCoord(20, 14));
        // The nexus, one hex, stands in the middle: not the surface's columns.
        QVERIFY(Frame().EvCommand(CM_VIEWPLAINUP));
        QCOMPARE(Middle(), AtlCoord(0, 0, 2));
        // Whole level frames it: at the largest step, still in the middle.
        QVERIFY(Frame().EvCommand(CM_VIEWWHOLELEVEL));
        QCOMPARE(Map().GetZoomStep(), HexGeometry::kZoomStepCount - 1);
        QCOMPARE(Middle(), AtlCoord(0, 0, 2));
        // Coming back to a level shows it where it was left.
        QVERIFY(Frame().EvCommand(CM_VIEWPLAINDOWN));
        Map().CenterOn(AtlCoord(9, 11));
        AtlCoord left = Middle();
        QVERIFY(Frame().EvCommand(CM_VIEWPLAINUP));
        QVERIFY(Frame().EvCommand(CM_VIEWPLAINDOWN));
        QCOMPARE(Middle(), left);
    }

    void aSmallLevelIsDrawnOnceInTheMiddle() {
        // The game master's view of a world 32 hexes around, at 25% and 33%: narrower than
        // the map, so drawn once, centred, with nothing beside it; at 50% it fills the map
        // and goes round.
        Add(std::string(VEXLOR_REPORTS_DIR) + "/large/v410-standard-world.rep");
        QCOMPARE(Map().GetMap().GetPlain(0)->WrapWidth(), 32);
        const int width = MapArea()->width(), height = MapArea()->height();
        for (int step : {0, 1, 2}) {
            Map().GetMap().ClearSelection();
            Map().SetZoomStep(step);
            const ScrollData& scroll = Map().GetScroll();
            std::set<std::pair<int, int>> drawn;
            int copies = 0;
            for (const HexPlace& place :
                 Map().GetGeometry().PlacesIn({0, 0, width, height}, scroll, 0))
                copies += drawn.insert({place.hex.x, place.hex.y}).second ? 0 : 1;
            const HexMetrics& m = HexGeometry::kZoomSteps[step];
            int levelWidth = 31 * m.ColumnStep() + m.width;
            QCOMPARE(scroll.once, levelWidth <= width);
            if (!scroll.once) continue;
            QCOMPARE(copies, 0);
            QCOMPARE(scroll.originX, (width - levelWidth) / 2);
            // Beside the level nothing is selected; on its edge, its first column.
            QTest::mouseClick(MapArea(), Qt::LeftButton, {},
                              QPoint(scroll.originX - 2, height / 2));
            QCOMPARE(Map().GetMap().GetSelectedCoord().x, -1);
            QTest::mouseClick(MapArea(), Qt::LeftButton, {},
                              QPoint(scroll.originX + m.width / 2, height / 2));
            QCOMPARE(Map().GetMap().GetSelectedCoord().x, 0);
        }
    }

    void theZoomKeepsTheHexInSight() {
        for (int turn = 1; turn <= 8; ++turn)
            Add(PopulatedFrame::Report(turn));
        // Ctrl++ and Ctrl+- zoom around the selected hex: the point that was its middle
        // stays on it (the view scrolls by whole columns, so the middle itself may move a
        // little).
        Frame().GoTo(AtlCoord(2, 34));
        QTest::mouseClick(MapArea(), Qt::LeftButton, {},
                          QPoint(MapArea()->width() / 2 - 130, MapArea()->height() / 2 + 70));
        AtlCoord chosen = Frame().Map().GetMap().GetSelectedCoord();
        auto middle = [&] {
            PixelPoint corner = Map().GetGeometry().HexCorners(chosen, Map().GetScroll()).front();
            const HexMetrics& m = Map().GetGeometry().Metrics();
            return PixelPoint{corner.x + m.width / 2, corner.y + m.height / 2};
        };
        int step = Map().GetZoomStep();
        for (auto key : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus}) {
            PixelPoint at = middle();
            QTest::keyClick(Frame().Widget(), key, Qt::ControlModifier);
            step += key == Qt::Key_Plus ? 1 : -1;
            QCOMPARE(Map().GetZoomStep(), step);
            QCOMPARE(Map().ViewCoord2HexCoord(at), chosen);
        }
        // Selected out of sight, it comes into view.
        Map().CenterOn(AtlCoord(30, 10));
        QTest::keyClick(Frame().Widget(), Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(QRect(0, 0, MapArea()->width(), MapArea()->height())
                    .contains(QPoint(middle().x, middle().y)));
        // The wheel, from Whole level in and out again, keeps the hex under the mouse at
        // every step, except where that would push a level smaller than the map partly out of
        // it: the level then stays whole, its edge on the map's.
        QVERIFY(Frame().EvCommand(CM_VIEWWHOLELEVEL));
        QPoint mouse(MapArea()->width() / 3, MapArea()->height() / 3);
        PixelPoint p{mouse.x(), mouse.y()};
        AtlCoord under = Map().ViewCoord2HexCoord(p);
        int kept = 0;
        for (int notch : {1, 1, 1, 1, 1, -1, -1, -1}) {
            CtrlWheel(mouse, notch);
            const ScrollData& s = Map().GetScroll();
            bool pinned =
                (s.fitsRows &&
                 (s.originY == 0 || s.originY + s.levelHeight == MapArea()->height())) ||
                (s.once && (s.originX == 0 || s.originX + s.levelWidth == MapArea()->width()));
            bool same = Map().ViewCoord2HexCoord(p) == under;
            QVERIFY2(same || pinned,
                     qPrintable(QStringLiteral("step %1").arg(Map().GetZoomStep())));
            kept += same;
            under = Map().ViewCoord2HexCoord(p);
        }
        QVERIFY(kept >= 6);
    }
};

QTEST_MAIN(LevelViewTest)
#include "levelview_test.moc"
