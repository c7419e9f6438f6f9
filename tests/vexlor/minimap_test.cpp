// The minimap in the main window on faction 3's real reports, on the offscreen platform: View,
// Minimap opens it beside the map and the profile keeps it; a click or a drag moves the map
// view; it follows scrolling with its mark alone and turns with its patches.
#include "app/globals.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "mapview/minimappicture.h"
#include "mapwindow/minimappanel.h"
#include "populatedframe.h"
#include "ui/messagebox.h"
#include "vexlor/framewindow.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QtTest>

class MinimapTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    MapView& Map() { return Frame().Map(); }
    QWidget* MapArea() { return window_.MapArea(); }
    MinimapPanel& Minimap() { return *Frame().Minimap(); }
    QWidget* Picture() {
        return Frame().Widget()->findChild<QWidget*>(QStringLiteral("minimapPanelPicture"));
    }
    QPoint Middle(const PixelRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // The hex in the middle of the map view is c or one beside it (the view centres by whole
    // columns and rows), or in its column where the view cannot scroll further up or down.
    void CentredOn(const AtlCoord& c) {
        AtlCoord middle =
            Map().ViewCoord2HexCoord({MapArea()->width() / 2, MapArea()->height() / 2});
        int dx = std::abs(middle.x - c.x);
        dx = std::min(dx, Map().GetGeometry().WrapWidth() - dx);
        const ScrollData& scroll = Map().GetScroll();
        bool rowsEnd = scroll.row == 0 || scroll.row == scroll.LastRow();
        QVERIFY2(dx <= 1 && (std::abs(middle.y - c.y) <= 2 || rowsEnd),
                 qPrintable(QStringLiteral("%1 in the middle, not %2")
                                .arg(middle.GetString().Get(), c.GetString().Get())));
    }
    QColor Colour(const GrafColor& c) { return QColor(c.r, c.g, c.b); }
    // The box around the pixels of the view's frame in a picture of the minimap.
    QRect FrameBox(const QImage& picture) {
        QRect box;
        QRgb mark = Colour(MinimapPicture::kViewMark).rgb();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) == mark) box |= QRect(x, y, 1, 1);
        return box;
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(6); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void aClickOrADragOnTheMinimapMovesTheView() {
        QVERIFY(!Frame().Minimap());
        QTest::keyClick(Frame().Widget(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(Frame().Minimap() && Minimap().IsOpen());
        QVERIFY(Frame().IsCommandChecked(CM_VIEWMINIMAP));
        QTRY_VERIFY(Picture()->isVisible() && Picture()->width() > 100);
        // The panel stands beside the map.
        auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint()), w->size()); };
        QVERIFY(!global(MapArea()).intersects(global(Picture())));

        // Faction 3's land on both sides of the wrap, and a hex far from it.
        for (AtlCoord c : {AtlCoord(0, 32), AtlCoord(63, 31), AtlCoord(30, 10)}) {
            QTest::mouseClick(Picture(), Qt::LeftButton, {}, Middle(Minimap().Layout().Patch(c)));
            CentredOn(c);
        }
        // A drag: the view goes with the mouse while the button is held.
        QTest::mousePress(Picture(), Qt::LeftButton, {},
                          Middle(Minimap().Layout().Patch(AtlCoord(10, 10))));
        CentredOn(AtlCoord(10, 10));
        QMouseEvent move(QEvent::MouseMove, Middle(Minimap().Layout().Patch(AtlCoord(20, 40))),
                         Picture()->mapToGlobal(QPoint()), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(Picture(), &move);
        CentredOn(AtlCoord(20, 40));
        QTest::mouseRelease(Picture(), Qt::LeftButton);
        // The selection stays where the player left it: the minimap only moves the view.
        QCOMPARE(Map().GetMap().GetSelCount(), 0);

        // Ctrl+M again closes it; the map has the keyboard.
        QTest::keyClick(Frame().Widget(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!Minimap().IsOpen());
        QVERIFY(!Frame().IsCommandChecked(CM_VIEWMINIMAP));
    }

    void aScrollMovesTheMarkAloneATurnDrawsThePatchesAgain() {
        QVERIFY(Frame().EvCommand(CM_VIEWMINIMAP));
        QTRY_VERIFY(Picture()->isVisible() && Picture()->width() > 100);
        Map().CenterOn(AtlCoord(0, 32));
        QImage before = Picture()->grab().toImage();
        int renders = Minimap().RenderCount();
        QVERIFY(renders > 0);
        // Each known hex shows in its colour (the view's frame lies well away from the middle).
        const AtlCoord home(0, 32);
        QCOMPARE(before.pixelColor(Middle(Minimap().Layout().Patch(home))).rgb(),
                 Colour(*Map().GetPainter().PatchColour(home)).rgb());
        // The mark's top-left corner lies on the patch of the hex in the view's top-left
        // corner, after each scroll; the patches are not drawn again for it.
        for (int step = 0; step < 3; ++step) {
            Map().ScrollPgRight();
            Map().ScrollDown();
            QImage shown = Picture()->grab().toImage();
            const ScrollData& scroll = Map().GetScroll();
            // The patches of the column's and of the row's first hexes.
            int odd = (scroll.column + scroll.row) % 2;
            const MinimapLayout& layout = Minimap().Layout();
            int left = layout.Patch(AtlCoord(scroll.column, scroll.row + odd, 0)).left;
            int top = layout.Patch(AtlCoord(scroll.column + odd, scroll.row, 0)).top;
            QCOMPARE(shown.pixelColor(left, top).rgb(), Colour(MinimapPicture::kViewMark).rgb());
            QVERIFY(shown != before);
        }
        // Nor for a zoom, which changes the frame's size alone (its height: it may wrap).
        QRect frameBefore = FrameBox(Picture()->grab().toImage());
        QVERIFY(Frame().EvCommand(CM_VIEWZOOMOUT));
        QRect frameAfter = FrameBox(Picture()->grab().toImage());
        QVERIFY(frameAfter.height() > frameBefore.height());
        QCOMPARE(Minimap().RenderCount(), renders);

        // The first turn shows less of the world: the patches are drawn again.
        QImage shown = Picture()->grab().toImage();
        auto known = [this] { return Map().GetMap().GetPlain(0)->HexCount(); };
        size_t later = known();
        QVERIFY(Frame().EvCommand(CM_VIEWFIRSTTURN));
        QVERIFY(known() < later);
        QImage first = Picture()->grab().toImage();
        QCOMPARE(Minimap().RenderCount(), renders + 1);
        QVERIFY(first != shown);
    }

    void theProfileKeepsItOpen() {
        QVERIFY(Frame().EvCommand(CM_VIEWMINIMAP));
        QCOMPARE(Minimap().GetSide(), DDockPanel::Right);
        MessageBoxScript::PushAnswer(IDNO);
        window_.Reopen();
        QVERIFY(Frame().Minimap() && Minimap().IsOpen());
        QVERIFY(Frame().IsCommandChecked(CM_VIEWMINIMAP));
        Minimap().Close();
        QVERIFY(!Frame().IsCommandChecked(CM_VIEWMINIMAP));
        MessageBoxScript::PushAnswer(IDNO);
        window_.Reopen();
        QVERIFY(!Frame().Minimap());
    }
};

QTEST_MAIN(MinimapTest)
#include "minimap_test.moc"
