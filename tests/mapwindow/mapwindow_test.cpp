#include "app/globals.h"
#include "descrview/descrtreeview.h"
#include "gfx/offscreen.h"
#include "map/formatmap.h"
#include "mapwindow/mapwindow.h"
#include "tests/support/reportdoc.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace {

// A map view that keeps what it was asked to repaint and what it painted.
class RecordingMapView : public MapView {
public:
    using MapView::MapView;
    void InvalidateRect(const PixelRect& rect) override {
        invalidated.push_back(rect);
        MapView::InvalidateRect(rect);
    }
    void EvPaint(GrafView& view, const PixelRect& clip) override {
        painted.push_back(clip);
        MapView::EvPaint(view, clip);
    }
    std::vector<PixelRect> invalidated;
    std::vector<PixelRect> painted;
};

// The map view and the description pane side by side, as the main window holds them.
class Host : public DWindow, public MapViewHost {
public:
    explicit Host(const VexlorDoc& doc) : DWindow(new QSplitter), doc_(doc) {
        view = std::make_unique<RecordingMapView>(this, *this);
        pane = std::make_unique<DescrTreeView>(this);
        static_cast<QSplitter*>(Widget())->setSizes({640, 360});
        Resize(1000, 700);
        if (doc.LastTurn()) FormatMap(doc, view->GetMap(), doc.LastTurn()->date);
        view->Update();
        Show(SW_SHOWNORMAL);
    }
    const VexlorDoc& GetDoc() const override { return doc_; }
    DescrTreeView* GetDescrTV() override { return pane.get(); }

    std::unique_ptr<RecordingMapView> view;
    std::unique_ptr<DescrTreeView> pane;

private:
    const VexlorDoc& doc_;
};

QWidget* Client(const MapView& view) {
    return qobject_cast<QAbstractScrollArea*>(view.Widget())->viewport();
}
QScrollBar* Bar(const MapView& view, Qt::Orientation o) {
    auto* area = qobject_cast<QAbstractScrollArea*>(view.Widget());
    return o == Qt::Horizontal ? area->horizontalScrollBar() : area->verticalScrollBar();
}

// Where hex c shows in the window, scrolling it into view first when needed.
PixelPoint CornerInView(MapView& view, const AtlCoord& c) {
    PixelRect client = view.GetClientRect();
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (PixelPoint corner : view.GetGeometry().HexCorners(c, view.GetScroll()))
            if (client.Contains(corner) && client.Contains({corner.x + HexGeometry::kHexWidth,
                                                            corner.y + HexGeometry::kHexHeight}))
                return corner;
        view.EvHScroll(SB_THUMBPOSITION, c.x - 2);
        view.EvVScroll(SB_THUMBPOSITION, c.y - 4);
    }
    return {-1000, -1000};
}

void Click(MapView& view, Qt::MouseButton button, PixelPoint p) {
    QTest::mouseClick(Client(view), button, {}, QPoint(p.x, p.y));
}

// A click in the middle of hex c.
void ClickHex(MapView& view, Qt::MouseButton button, const AtlCoord& c) {
    PixelPoint corner = CornerInView(view, c);
    QVERIFY(corner.x > -1000);
    Click(view, button, {corner.x + HexGeometry::kHalfWidth, corner.y + HexGeometry::kHalfHeight});
}

QTreeWidgetItem* PaneLine(const DescrTreeView& pane, const char* text) {
    auto* tree = qobject_cast<QTreeWidget*>(pane.Widget());
    QList<QTreeWidgetItem*> found =
        tree->findItems(QString::fromLatin1(text), Qt::MatchStartsWith | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

TreeViewNode* NodeLine(TreeViewNode* node, const char* text) {
    for (int i = 0; node && i < node->ChildCount(); ++i) {
        TreeViewNode* child = node->Child(i);
        if (child->GetString().View().rfind(text, 0) == 0) return child;
        if (TreeViewNode* found = NodeLine(child, text)) return found;
    }
    return nullptr;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

long Area(const std::vector<PixelRect>& rects) {
    long area = 0;
    for (const PixelRect& r : rects)
        area += static_cast<long>(r.Width()) * r.Height();
    return area;
}

const AtlCoord kVerdorf(0, 32); // jungle (0,32) in Erisort, with a city, units and a tower

} // namespace

class MapWindowTest : public QObject {
    Q_OBJECT

    VexlorDoc doc; // faction 3's eight head-standard reports
    std::unique_ptr<Host> host;

private slots:
    void initTestCase() {
        std::string shown =
            AddReports(doc, ReportSeries(std::string(VEXLOR_REPORTS_DIR) + "/head-standard", 3, 8));
        QCOMPARE(QString::fromStdString(shown), QString());
    }

    void init() {
        DescrOptions& h = AppOptions.headings;
        h.bWantedOpen = h.bForSaleOpen = h.bProductsOpen = false;
        h.bMyUnitsOpen = h.bOtherUnitsOpen = h.bBuildingsOpen = false;
        host = std::make_unique<Host>(doc);
        QVERIFY(QTest::qWaitForWindowExposed(host->Widget()));
    }
    void cleanup() { host.reset(); }

    void aLeftClickSelectsTheHexAndDescribesIt() {
        MapView& view = *host->view;
        ClickHex(view, Qt::LeftButton, kVerdorf);
        QCOMPARE(view.GetMap().GetSelCount(), 1);
        QVERIFY(view.GetMap().GetSelectedCoord() == kVerdorf);
        // The pane shows what vexlor-cli describe prints for the hex.
        TreeViewNode* root = host->pane->GetRoot();
        QVERIFY(root);
        QCOMPARE(QString::fromStdString(TreeText(*root)),
                 QString::fromStdString(
                     ReadFile(std::string(VEXLOR_DESCRIBE_DIR) + "/erisort-august.txt")));
        auto* tree = qobject_cast<QTreeWidget*>(host->pane->Widget());
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("jungle (0,32) in Erisort"));
        QVERIFY(tree->topLevelItem(0)->isExpanded());

        // Another hex: the selection moves, the pane follows.
        ClickHex(view, Qt::LeftButton, AtlCoord(16, 6));
        QCOMPARE(view.GetMap().GetSelCount(), 1);
        QVERIFY(!view.GetMap().GetHex(kVerdorf)->Has(AtlHexData::HexSelected));
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("forest (16,6) in Branblod"));
    }

    void aClickBelowTheLowestRowClearsTheSelectionAndKeepsThePane() {
        MapView& view = *host->view;
        ClickHex(view, Qt::LeftButton, kVerdorf);
        TreeViewNode* shown = host->pane->GetRoot();
        std::string text = TreeText(*shown);

        QTest::keyClick(view.Widget(), Qt::Key_End, Qt::ControlModifier);
        QVERIFY(view.IsDownEdge());
        PixelRect client = view.GetClientRect();
        PixelPoint below{client.Width() / 2, client.Height() - 3};
        QVERIFY(view.ViewCoord2HexCoord(below).y >= view.GetMap().GetPlain(0)->YExtent());
        Click(view, Qt::LeftButton, below);
        QCOMPARE(view.GetMap().GetSelCount(), 0);
        QCOMPARE(host->pane->GetRoot(), shown);
        QCOMPARE(TreeText(*host->pane->GetRoot()), text);
    }

    void aRightClickCentresTheHexAcrossTheWrap() {
        MapView& view = *host->view;
        ClickHex(view, Qt::LeftButton, kVerdorf);
        QTest::keyClick(view.Widget(), Qt::Key_Home);
        QCOMPARE(view.GetScroll().column, 0);
        // Hex (2, 20), near the left edge: centring it goes back round through 0 to 63.
        const AtlCoord target(2, 20);
        ClickHex(view, Qt::RightButton, target);
        PixelRect client = view.GetClientRect();
        int expected = HexGeometry::Modulo(target.x - client.Width() / (2 * 37), 64);
        QVERIFY(expected > 32);
        QCOMPARE(view.GetScroll().column, expected);
        QCOMPARE(view.GetScroll().row, target.y - client.Height() / (2 * 21));
        QCOMPARE(Bar(view, Qt::Horizontal)->value(), expected);
        AtlCoord middle = view.ViewCoord2HexCoord({client.Width() / 2, client.Height() / 2});
        QVERIFY2(std::abs(middle.x - target.x) <= 1 && std::abs(middle.y - target.y) <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(middle.x).arg(middle.y)));
        // Centring selects nothing.
        QVERIFY(view.GetMap().GetSelectedCoord() == kVerdorf);
    }

    void keysBarsAndTheWheelStepEveryWay() {
        MapView& view = *host->view;
        const ScrollData& s = view.GetScroll();
        QWidget* w = view.Widget();
        QTest::keyClick(w, Qt::Key_Home);
        QTest::keyClick(w, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(s.column, 0);
        QCOMPARE(s.row, 0);
        QTest::keyClick(w, Qt::Key_Left);
        QCOMPARE(s.column, 63);
        QCOMPARE(view.GetScrollPos(SB_HORZ), 63);
        QTest::keyClick(w, Qt::Key_Right);
        QCOMPARE(s.column, 0);
        QTest::keyClick(w, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(s.column, s.pageColumns - 1);
        QTest::keyClick(w, Qt::Key_End);
        QCOMPARE(s.column, 63);

        QTest::keyClick(w, Qt::Key_Down);
        QCOMPARE(s.row, 1);
        QTest::keyClick(w, Qt::Key_PageDown);
        QCOMPARE(s.row, std::min(1 + s.pageRows - 1, s.LastRow()));
        QTest::keyClick(w, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(s.row, s.LastRow());
        QTest::keyClick(w, Qt::Key_Down); // at the limit
        QCOMPARE(s.row, s.LastRow());
        QCOMPARE(Bar(view, Qt::Vertical)->value(), s.LastRow());
        QTest::keyClick(w, Qt::Key_Up);
        QCOMPARE(s.row, s.LastRow() - 1);

        // The bars' own steps, the arrow at the end of the world going round.
        Bar(view, Qt::Horizontal)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(s.column, 0);
        QCOMPARE(Bar(view, Qt::Horizontal)->value(), 0);
        Bar(view, Qt::Vertical)->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(s.row, 0);
        Bar(view, Qt::Vertical)->setSliderPosition(5); // a drag of the thumb
        QCOMPARE(s.row, 5);

        // One notch of the wheel: three rows down; with Shift three columns.
        QPointF at(100, 100);
        QWheelEvent down(at, Client(view)->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(Client(view), &down);
        QCOMPARE(s.row, 5 + QApplication::wheelScrollLines());
        QWheelEvent right(at, Client(view)->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(Client(view), &right);
        QCOMPARE(s.column, QApplication::wheelScrollLines());
    }

    // The 4.0.10 world: the surface 32 around and 32 tall, the underworld 16 and 16.
    void eachLevelWrapsAtItsLearnedWidthAndIsAsTallAsTheGameMadeIt() {
        VexlorDoc world;
        QCOMPARE(QString::fromStdString(AddReports(
                     world, {std::string(VEXLOR_REPORTS_DIR) + "/large/v410-standard-world.rep"})),
                 QString());
        host = std::make_unique<Host>(world);
        QVERIFY(QTest::qWaitForWindowExposed(host->Widget()));
        RecordingMapView& view = *host->view;
        PixelRect client = view.GetClientRect();
        for (auto [z, width] : {std::pair{0, 32}, {1, 16}, {0, 32}}) {
            view.SetCurPlain(z);
            QCOMPARE(view.GetGeometry().WrapWidth(), width);
            QCOMPARE(view.GetGeometry().Rows(), width);
            // The underworld is narrower than the window: drawn once, with no edge to cross.
            if (view.GetScroll().once) {
                QCOMPARE(width, 16);
                continue;
            }
            // Both edges of the world in view, once west of the window's middle, once east:
            // the hex east of the last column is the first column, and every hex position in
            // the window is a known hex (no gap, no fold).
            for (int column : {width - 3, width - client.Width() / 37 + 2}) {
                view.EvHScroll(SB_THUMBPOSITION, column);
                QCOMPARE(view.GetScroll().column, HexGeometry::Modulo(column, width));
                for (PixelPoint corner :
                     view.GetGeometry().HexCorners(AtlCoord(width - 1, 1, z), view.GetScroll())) {
                    PixelPoint east{corner.x + 37 + 25, corner.y - 21 + 21};
                    if (!client.Contains(east) || east.y < 0) continue;
                    QCOMPARE(view.ViewCoord2HexCoord(east), AtlCoord(0, 0, z));
                }
                for (const HexPlace& place :
                     view.GetGeometry().PlacesIn(client, view.GetScroll(), z))
                    QVERIFY2(view.GetMap().GetHex(place.hex), place.hex.GetString().Get());
            }
            // Scrolled to the bottom, the last row is the level's last: a click below it
            // selects nothing.
            view.ScrollToEnd();
            QCOMPARE(view.GetScroll().row, std::max(0, width + 1 - client.Height() / 21));
            QCOMPARE(Bar(view, Qt::Vertical)->maximum(),
                     std::max(0, width + 1 - client.Height() / 21));
            PixelPoint bottom{client.Width() / 2, (width - view.GetScroll().row + 1) * 21 + 5};
            if (bottom.y < client.Height()) {
                QVERIFY(view.ViewCoord2HexCoord(bottom).y >= width);
                Click(view, Qt::LeftButton, bottom);
                QCOMPARE(view.GetMap().GetPlain(z)->GetSelCount(), 0);
            }
        }
    }

    // Both bars read the usual way: at the north and west edge the thumbs stand at the top
    // and the left, and their length is the share of the level on show.
    void scrollBarsShowWhereTheWindowIsAndHowMuchItShows() {
        MapView& view = *host->view;
        PixelRect client = view.GetClientRect();
        view.ScrollToBegin();
        view.ScrollLineBegin();
        QScrollBar* v = Bar(view, Qt::Vertical);
        QScrollBar* h = Bar(view, Qt::Horizontal);
        QCOMPARE(v->value(), v->minimum());
        QCOMPARE(h->value(), h->minimum());
        int rows = view.GetMap().GetPlain(0)->YExtent();
        double shownRows = double(client.Height() / 21) / (rows + 1);
        QVERIFY(std::abs(double(v->pageStep()) / (v->maximum() + v->pageStep()) - shownRows) <
                0.01);
        double shownColumns = double(view.GetScroll().pageColumns) / 64;
        QVERIFY(std::abs(double(h->pageStep()) / (h->maximum() + h->pageStep()) - shownColumns) <
                0.02);
        view.ScrollToEnd();
        QCOMPARE(v->value(), v->maximum());
    }

    void eachLevelKeepsItsSelectionAndThePaneShowsOnlyTheLevelOnShow() {
        VexlorDoc levels;
        QCOMPARE(QString::fromStdString(
                     AddReports(levels, {std::string(VEXLOR_TYPED_DIR) + "/levels.rep"})),
                 QString());
        host = std::make_unique<Host>(levels);
        QVERIFY(QTest::qWaitForWindowExposed(host->Widget()));
        MapView& view = *host->view;
        QCOMPARE(view.GetCurPlain(), 0);
        QCOMPARE(view.NeighbourPlain(-1), 2);
        QCOMPARE(view.NeighbourPlain(+1), 1);
        ClickHex(view, Qt::LeftButton, AtlCoord(0, 10));
        auto described = [&] {
            TreeViewNode* root = host->pane->GetRoot();
            return root ? TreeText(*root) : std::string();
        };
        QVERIFY(described().rfind("plain (0,10) in Asay\n", 0) == 0);
        view.EvHScroll(SB_THUMBPOSITION, 27);
        const int row = view.GetScroll().row;

        view.SetCurPlain(3);
        QCOMPARE(view.GetGeometry().WrapWidth(), 8);
        QCOMPARE(view.NeighbourPlain(+1), 4);
        QVERIFY(!host->pane->GetRoot()); // nothing of the surface described here
        ClickHex(view, Qt::LeftButton, AtlCoord(7, 1, 3));
        QVERIFY(described().rfind("chasm (7,1,deep underworld) in Deep\n", 0) == 0);
        QCOMPARE(view.GetMap().GetSelCount(), 2);

        view.SetCurPlain(7);
        QCOMPARE(view.NeighbourPlain(+1), -1);
        QVERIFY(!host->pane->GetRoot());
        view.SetCurPlain(0);
        QVERIFY(described().rfind("plain (0,10) in Asay\n", 0) == 0);
        // Back where the surface was left, though the levels between are narrower.
        QCOMPARE(view.GetScroll().column, 27);
        QCOMPARE(view.GetScroll().row, row);
        QVERIFY(view.GetMap().GetHex(AtlCoord(7, 1, 3))->Has(AtlHexData::HexSelected));
    }

    void aSelectionChangeRepaintsOnlyTheTwoHexes() {
        RecordingMapView& view = *host->view;
        const AtlCoord first(4, 30), second(1, 33);
        view.EvHScroll(SB_THUMBPOSITION, 62); // both in view, across the wrap
        view.EvVScroll(SB_THUMBPOSITION, 24);
        ClickHex(view, Qt::LeftButton, first);
        PixelPoint a = CornerInView(view, first), b = CornerInView(view, second);
        QCOMPARE(view.GetScroll().column, 62);
        view.UpdateWindow();
        view.invalidated.clear();
        view.painted.clear();

        ClickHex(view, Qt::LeftButton, second);
        QCOMPARE(view.invalidated.size(), size_t(2));
        QVERIFY(view.invalidated[0] == HexGeometry().RedrawRect(a));
        QVERIFY(view.invalidated[1] == HexGeometry().RedrawRect(b));

        // Painted at once, and nothing but the two hexes.
        view.UpdateWindow();
        QVERIFY(!view.painted.empty());
        QVERIFY(Area(view.painted) <= Area(view.invalidated));
        for (const PixelRect& p : view.painted)
            QVERIFY(p.Intersects(view.invalidated[0]) || p.Intersects(view.invalidated[1]));

        // A step of the scroll bars moves the picture and paints only what comes into view.
        PixelRect client = view.GetClientRect();
        view.painted.clear();
        QVERIFY(view.GetScroll().row > 0);
        view.ScrollUp();
        QCOMPARE(Area(view.painted), long(client.Width()) * HexGeometry::kRowStep);
        view.painted.clear();
        view.ScrollLeft();
        QCOMPARE(Area(view.painted), long(client.Height()) * HexGeometry::kColumnStep);
    }

    void headingsKeepTheirStateFromHexToHex() {
        MapView& view = *host->view;
        AppOptions.headings.bBuildingsOpen = true;
        ClickHex(view, Qt::LeftButton, kVerdorf);
        DescrTreeView& pane = *host->pane;
        QTreeWidgetItem* buildings = PaneLine(pane, "Buildings:");
        QVERIFY(buildings && buildings->isExpanded());

        // The user closes "Buildings:", the program opens "Wanted: ".
        auto* tree = qobject_cast<QTreeWidget*>(pane.Widget());
        tree->scrollToItem(buildings);
        QRect line = tree->visualItemRect(buildings);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          QPoint(line.left() - tree->indentation() / 2, line.center().y()));
        QVERIFY(!AppOptions.headings.bBuildingsOpen);
        pane.Expand(NodeLine(pane.GetRoot(), "Wanted: "), true);
        QVERIFY(AppOptions.headings.bWantedOpen);

        // Last seen in an earlier month, this hex's heading names it ("Buildings seen in ...").
        ClickHex(view, Qt::LeftButton, AtlCoord(16, 6));
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("forest (16,6) in Branblod"));
        QVERIFY(!NodeLine(pane.GetRoot(), "Buildings")->IsOpen());
        QVERIFY(!PaneLine(pane, "Buildings")->isExpanded());
        QVERIFY(NodeLine(pane.GetRoot(), "Wanted: ")->IsOpen());
        QVERIFY(PaneLine(pane, "Wanted: ")->isExpanded());
    }

    void theWindowShowsWhatTheOffscreenPainterDraws() {
        MapView& view = *host->view;
        ClickHex(view, Qt::LeftButton, kVerdorf);
        host->Resize(900, 640);
        QTRY_COMPARE(view.GetClientRect().Width(), Client(view)->width());
        PixelRect client = view.GetClientRect();
        QCOMPARE(view.GetScroll().pageColumns, (client.Width() - 13) / 37);
        QCOMPARE(view.GetScroll().pageRows, client.Height() / 21);

        QImage shown = Client(view)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        OffscreenBuffer expected;
        QVERIFY(expected.Resize(client.Width(), client.Height()));
        MapPainter painter(view.GetMap(), view.GetGeometry());
        {
            OffscreenBuffer::Painting painting(expected);
            painter.Draw(painting.View(), client, view.GetCurPlain(), view.GetScroll());
        }
        QCOMPARE(shown.size(), QSize(client.Width(), client.Height()));
        long differing = 0;
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x) {
                QRgb p = shown.pixel(x, y);
                differing += !(GrafColor{uint8_t(qRed(p)), uint8_t(qGreen(p)), uint8_t(qBlue(p))} ==
                               expected.PixelAt(x, y));
            }
        QCOMPARE(differing, 0L);
    }

    // With factions 4 and 5 held as allies, the hexes where their units were seen this month
    // carry the allied marker, a blue disc at the right; the pane lists those units under their
    // own heading.
    void theAlliedMarkerShowsWhereTheAlliesUnitsAre() {
        const std::string game = std::string(VEXLOR_REPORTS_DIR) + "/head-standard";
        VexlorDoc alliance;
        QCOMPARE(QString::fromStdString(
                     AddReports(alliance, ReportSeries(game, 3, 8)) +
                     AddAllyReports(alliance, 4, "Blue Herons", ReportSeries(game, 4, 8)) +
                     AddAllyReports(alliance, 5, "Green Oaks", ReportSeries(game, 5, 8))),
                 QString());
        host = std::make_unique<Host>(alliance);
        QVERIFY(QTest::qWaitForWindowExposed(host->Widget()));
        MapView& view = *host->view;
        std::vector<AtlCoord> allied, without;
        view.GetMap().GetPlain(0)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
            if (hex.Has(AtlHexData::HexEarlier)) return;
            (hex.Has(AtlHexData::HexAlliedUnits) ? allied : without).push_back(c);
        });
        QVERIFY(!allied.empty() && !without.empty());
        const QRgb blue = qRgb(70, 150, 255);
        auto markerCentre = [&](const AtlCoord& c) {
            PixelPoint corner = CornerInView(view, c);
            QImage shown = Client(view)->grab().toImage().convertToFormat(QImage::Format_RGB32);
            return shown.pixel(corner.x + 41, corner.y + 21) & 0xFFFFFF;
        };
        QCOMPARE(view.GetZoomStep(), HexGeometry::kActualSize);
        for (const AtlCoord& c : allied)
            QCOMPARE(markerCentre(c), blue & 0xFFFFFF);
        for (const AtlCoord& c : without)
            QVERIFY(markerCentre(c) != (blue & 0xFFFFFF));

        ClickHex(view, Qt::LeftButton, allied.front());
        QVERIFY(PaneLine(*host->pane, "Allied units:"));
        host.reset();
    }
};

QTEST_MAIN(MapWindowTest)
#include "mapwindow_test.moc"
