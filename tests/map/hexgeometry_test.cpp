#include "map/hexgeometry.h"
#include "map/scrolldata.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

constexpr int kW = HexGeometry::kHexWidth;
constexpr int kH = HexGeometry::kHexHeight;

ScrollData ScrolledTo(int column, int row, int clientWidth = 800, int clientHeight = 600) {
    ScrollData s;
    s.Setup(clientWidth, clientHeight, 64, 64, HexGeometry::kWrapWidth);
    s.column = column;
    s.row = row;
    return s;
}

// Whether the pixel's centre lies inside the hex outline of a picture at the origin.
bool InsideOutline(int px, int py) {
    double x = px + 0.5, y = py + 0.5;
    double slant = 13.0 * (y > 21 ? y - 21 : 21 - y) / 21;
    return y >= 0 && y <= kH && x >= slant && x < kW - slant;
}

} // namespace

TEST(HexGeometry, EveryPixelOfAHexBetweenItsSlantMiddlesHitsIt) {
    HexGeometry geometry;
    for (auto [column, row] : {std::pair{0, 0}, {5, 3}, {62, 0}, {63, 7}}) {
        ScrollData s = ScrolledTo(column, row);
        for (int x = column - 1; x <= column + 20; ++x) {
            for (int y = row; y <= row + 26; ++y) {
                if ((x + y) % 2 != 0) continue;
                PixelPoint corner = HexGeometry().HexCorner(x, y, s);
                AtlCoord expected(geometry.WrapX(x), y, 1);
                // Columns part in the middle of the slanted edges: 6 pixels in from each side.
                for (int dy = 0; dy < kH; ++dy)
                    for (int dx = 6; dx <= 42; ++dx) {
                        PixelPoint p{corner.x + dx, corner.y + dy};
                        if (p.x < 0 || p.y < 0) continue;
                        ASSERT_EQ(geometry.ViewCoord2HexCoord(p, s, 1, 64), expected)
                            << "pixel " << dx << "," << dy << " of hex " << x << "," << y
                            << " scrolled to " << column << "," << row;
                    }
            }
        }
    }
}

TEST(HexGeometry, EveryWindowPixelHitsAHexWhosePictureHoldsIt) {
    for (int wrap : {64, 0}) {
        HexGeometry geometry(wrap);
        ScrollData s = ScrolledTo(wrap ? 62 : 3, 1);
        for (int py = 0; py < 300; ++py) {
            for (int px = 0; px < 500; ++px) {
                AtlCoord c = geometry.ViewCoord2HexCoord({px, py}, s, 0, 200);
                // The unwrapped view column of the hit hex is within one wrap of the scroll.
                int x = c.x < s.column - 1 ? c.x + wrap : c.x;
                PixelPoint corner = HexGeometry().HexCorner(x, c.y, s);
                ASSERT_EQ((c.x + c.y) % 2, 0);
                ASSERT_TRUE(px >= corner.x && px < corner.x + kW && py >= corner.y &&
                            py < corner.y + kH)
                    << px << "," << py << " hit " << c.x << "," << c.y;
                // A pixel outside the hit hex's outline lies by one of its slanted edges,
                // no further than the columns' parting line.
                int dx = px - corner.x, dy = py - corner.y;
                ASSERT_TRUE(InsideOutline(dx, dy) || (dx >= 6 && dx < 13) || (dx >= 37 && dx <= 42))
                    << px << "," << py;
            }
        }
    }
}

TEST(HexGeometry, HitTestBordersAndTheWrapAtBothEdges) {
    HexGeometry geometry;
    ScrollData s = ScrolledTo(0, 0);
    // Left of the middle of the first slanted edge lies column -1, which is x = 63.
    EXPECT_EQ(geometry.ViewCoord2HexCoord({0, 25}, s, 0, 64), AtlCoord(63, 1, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({5, 25}, s, 0, 64), AtlCoord(63, 1, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({6, 25}, s, 0, 64), AtlCoord(0, 0, 0));
    // Between columns 0 and 1 the border is at 37 + 6.
    EXPECT_EQ(geometry.ViewCoord2HexCoord({42, 30}, s, 0, 64), AtlCoord(0, 0, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({43, 30}, s, 0, 64), AtlCoord(1, 1, 0));
    // Rows of an even column part every 42 pixels; of an odd one 21 pixels lower.
    EXPECT_EQ(geometry.ViewCoord2HexCoord({20, 41}, s, 0, 64), AtlCoord(0, 0, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({20, 42}, s, 0, 64), AtlCoord(0, 2, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({60, 62}, s, 0, 64), AtlCoord(1, 1, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({60, 63}, s, 0, 64), AtlCoord(1, 3, 0));
    // The upper half of an odd column's first row belongs to row 1, not -1.
    for (int py = 0; py < 21; ++py)
        EXPECT_EQ(geometry.ViewCoord2HexCoord({60, py}, s, 0, 64), AtlCoord(1, 1, 0)) << py;

    // Scrolled to the last column, the world goes on with x = 0.
    ScrollData end = ScrolledTo(63, 0);
    EXPECT_EQ(geometry.ViewCoord2HexCoord({20, 25}, end, 0, 64), AtlCoord(63, 1, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({37 + 20, 25}, end, 0, 64), AtlCoord(0, 0, 0));
    // A window wider than the world goes round it more than once.
    EXPECT_EQ(geometry.ViewCoord2HexCoord({37 * 130 + 20, 0}, end, 0, 64), AtlCoord(1, 1, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({-37 * 70, 0}, s, 0, 64).x, 58);
}

TEST(HexGeometry, WithoutWrapTheHitStaysInsideTheWorld) {
    HexGeometry geometry(0);
    ScrollData s = ScrolledTo(0, 0);
    EXPECT_EQ(geometry.ViewCoord2HexCoord({2, 10}, s, 0, 10), AtlCoord(0, 0, 0));
    EXPECT_EQ(geometry.ViewCoord2HexCoord({37 * 15, 10}, s, 0, 10), AtlCoord(9, 1, 0));
    // An empty map still answers a hex of the world, never x = -1.
    EXPECT_EQ(geometry.ViewCoord2HexCoord({37 * 3, 10}, s, 0, 0), AtlCoord(0, 0, 0));
}

TEST(HexGeometry, NeighboursShareTheEdgeBetweenThem) {
    ScrollData s = ScrolledTo(0, 0);
    for (AtlCoord c : {AtlCoord(4, 6), AtlCoord(5, 7)}) {
        PixelPoint corner = HexGeometry().HexCorner(c.x, c.y, s);
        for (int edge = 0; edge < 6; ++edge) {
            AtlCoord n = c;
            n.Move(HexGeometry::kEdgeDirections[edge]);
            PixelPoint other = HexGeometry().HexCorner(n.x, n.y, s);
            // The opposite edge of the neighbour, walked the other way round.
            const PixelPoint* o = HexGeometry::kOutline;
            PixelPoint a{corner.x + o[edge].x, corner.y + o[edge].y};
            PixelPoint b{corner.x + o[(edge + 1) % 6].x, corner.y + o[(edge + 1) % 6].y};
            PixelPoint na{other.x + o[(edge + 4) % 6].x, other.y + o[(edge + 4) % 6].y};
            PixelPoint nb{other.x + o[(edge + 3) % 6].x, other.y + o[(edge + 3) % 6].y};
            EXPECT_EQ(a, na) << "edge " << edge;
            EXPECT_EQ(b, nb) << "edge " << edge;
        }
    }
}

TEST(HexGeometry, PlacesAreEveryHexMeetingTheClipOnceInRowOrder) {
    for (int wrap : {64, 0}) {
        HexGeometry geometry(wrap);
        for (auto [column, row] : {std::pair{0, 0}, {61, 4}}) {
            ScrollData s = ScrolledTo(column, row);
            for (PixelRect clip : {PixelRect{0, 0, 800, 600}, PixelRect{100, 50, 101, 51},
                                   PixelRect{-30, -30, 40, 20}, PixelRect{33, 37, 190, 64}}) {
                std::vector<HexPlace> places = geometry.PlacesIn(clip, s, 1);
                std::set<std::tuple<int, int>> seen;
                for (size_t i = 0; i < places.size(); ++i) {
                    const HexPlace& p = places[i];
                    PixelRect picture{p.corner.x, p.corner.y, p.corner.x + kW, p.corner.y + kH};
                    EXPECT_TRUE(picture.Intersects(clip));
                    EXPECT_EQ(p.hex.z, 1);
                    EXPECT_EQ((p.hex.x + p.hex.y) % 2, 0);
                    int viewX = p.corner.x / HexGeometry::kColumnStep + column;
                    EXPECT_EQ(p.hex.x, geometry.WrapX(viewX));
                    EXPECT_TRUE(seen.insert({p.corner.x, p.corner.y}).second);
                    if (i > 0) {
                        const HexPlace& q = places[i - 1];
                        EXPECT_TRUE(q.corner.y < p.corner.y ||
                                    (q.corner.y == p.corner.y && q.corner.x < p.corner.x));
                    }
                }
                // Every hex position of the world whose picture meets clip is there.
                for (int x = column - 30; x <= column + 30; ++x)
                    for (int y = row - 30; y <= row + 40; ++y) {
                        if ((x + y) % 2 != 0 || y < 0 || (wrap == 0 && x < 0)) continue;
                        PixelPoint corner = HexGeometry().HexCorner(x, y, s);
                        PixelRect picture{corner.x, corner.y, corner.x + kW, corner.y + kH};
                        EXPECT_EQ(picture.Intersects(clip), seen.count({corner.x, corner.y}) == 1)
                            << x << "," << y;
                    }
            }
        }
    }
}

TEST(HexGeometry, PlacesStopAtTheWorldsTopAndWithoutWrapAtItsLeft) {
    HexGeometry wrapping;
    ScrollData s = ScrolledTo(0, 0);
    std::vector<HexPlace> places = wrapping.PlacesIn({0, 0, 40, 30}, s, 0);
    ASSERT_EQ(places.size(), 3u); // (0,0), then (63,1) and (1,1) half shown
    EXPECT_EQ(places[0].hex, AtlCoord(0, 0, 0));
    EXPECT_EQ(places[1].hex, AtlCoord(63, 1, 0));
    EXPECT_EQ(places[1].corner, (PixelPoint{-37, 21}));
    EXPECT_EQ(places[2].hex, AtlCoord(1, 1, 0));

    HexGeometry flat(0);
    places = flat.PlacesIn({0, 0, 40, 30}, s, 0);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[1].hex, AtlCoord(1, 1, 0));
    EXPECT_TRUE(flat.PlacesIn({10, 10, 10, 30}, s, 0).empty());
}

TEST(HexGeometry, EveryCopyOfAHexInTheWindowIsRedrawn) {
    HexGeometry geometry;
    ScrollData s = ScrolledTo(60, 2); // 21 columns: x = 60 .. 63, 0 .. 17
    std::vector<PixelPoint> corners = geometry.HexCorners(AtlCoord(1, 5), s);
    ASSERT_EQ(corners.size(), 1u);
    EXPECT_EQ(corners[0], (PixelPoint{5 * 37, 3 * 21}));
    // The half-hidden column left of the first.
    corners = geometry.HexCorners(AtlCoord(59, 3), s);
    ASSERT_EQ(corners.size(), 1u);
    EXPECT_EQ(corners[0].x, -37);
    // A column partly shown right of the last whole one.
    ScrollData cut = ScrolledTo(0, 0, 21 * 37 + 13 + 30);
    EXPECT_EQ(geometry.HexCorners(AtlCoord(22, 0), cut)[0].x, 22 * 37);
    // A window wider than the world draws it once, in its middle.
    ScrollData wide = ScrolledTo(0, 0, 70 * 37 + 13);
    wide.CentreMargins(70 * 37 + 13, 600);
    corners = geometry.HexCorners(AtlCoord(2, 0), wide);
    ASSERT_EQ(corners.size(), 1u);
    EXPECT_EQ(corners[0].x, (70 * 37 + 13 - (63 * 37 + 50)) / 2 + 2 * 37);

    EXPECT_EQ(HexGeometry().RedrawRect({37, 21}), (PixelRect{35, 19, 89, 65}));
    HexGeometry flat(0);
    EXPECT_EQ(flat.HexCorners(AtlCoord(70, 0), s)[0].x, 10 * 37);
}

// The 4.0.10 surface, 32 around, scrolled so that both edges of the world are in view: the
// hex east of the last column is the first column, and the rows stop at the level's last.
TEST(HexGeometry, ALevelJoinsItsEdgesAtItsOwnWidthWithoutAGap) {
    for (int wrap : {32, 16, 64}) {
        HexGeometry geometry(wrap, wrap / 2);
        for (int column : {wrap - 10, -3 + wrap, 0}) {
            ScrollData s = ScrolledTo(column, 0);
            std::vector<HexPlace> places = geometry.PlacesIn({0, 0, 800, 600}, s, 1);
            std::set<std::tuple<int, int, int>> at; // corner x, corner y -> hex
            for (const HexPlace& p : places) {
                EXPECT_LT(p.hex.y, wrap / 2);
                EXPECT_GE(p.hex.x, 0);
                EXPECT_LT(p.hex.x, wrap);
                int viewX = column + p.corner.x / HexGeometry::kColumnStep;
                EXPECT_EQ(p.hex.x, HexGeometry::Modulo(viewX, wrap));
                // The next column east shows x + 1, round the world: no gap, no fold.
                PixelPoint east{p.corner.x + HexGeometry::kColumnStep + kW / 2,
                                p.corner.y + HexGeometry::kRowStep + kH / 2};
                if (east.x < 800 && east.y < 600)
                    EXPECT_EQ(geometry.ViewCoord2HexCoord(east, s, 1, wrap).x,
                              (p.hex.x + 1) % wrap);
            }
            // A hex on the last column and its neighbour across the edge are both painted,
            // side by side.
            std::vector<PixelPoint> last = geometry.HexCorners(AtlCoord(wrap - 1, 1), s);
            std::vector<PixelPoint> first = geometry.HexCorners(AtlCoord(0, 0), s);
            for (PixelPoint a : last)
                for (PixelPoint b : first)
                    if (b.x == a.x + HexGeometry::kColumnStep) EXPECT_EQ(b.y, a.y - 21);
        }
    }
}

TEST(HexGeometry, SelectionStepsStopAtTheEdgesAndGoRoundTheWrap) {
    using D = AtlDirection;
    HexGeometry round(64), flat(0);
    // Across the wrap both ways; the row changes as it does anywhere else.
    EXPECT_EQ(round.Step(AtlCoord(63, 5), D::Northeast, 64, 40), AtlCoord(0, 4));
    EXPECT_EQ(round.Step(AtlCoord(0, 4), D::Southwest, 64, 40), AtlCoord(63, 5));
    EXPECT_EQ(round.Step(AtlCoord(0, 4), D::Northwest, 64, 40), AtlCoord(63, 3));
    // Without wrap the first and last columns are the edge.
    EXPECT_EQ(flat.Step(AtlCoord(0, 4), D::Northwest, 10, 40), AtlCoord(0, 4));
    EXPECT_EQ(flat.Step(AtlCoord(9, 5), D::Southeast, 10, 40), AtlCoord(9, 5));
    // The north edge (row 0, and row 1 of an odd column) and the last known row.
    EXPECT_EQ(round.Step(AtlCoord(4, 0), D::North, 64, 40), AtlCoord(4, 0));
    EXPECT_EQ(round.Step(AtlCoord(4, 0), D::Northeast, 64, 40), AtlCoord(4, 0));
    EXPECT_EQ(round.Step(AtlCoord(5, 1), D::North, 64, 40), AtlCoord(5, 1));
    EXPECT_EQ(round.Step(AtlCoord(5, 1), D::Northwest, 64, 40), AtlCoord(4, 0));
    EXPECT_EQ(round.Step(AtlCoord(4, 38), D::South, 64, 40), AtlCoord(4, 38));
    EXPECT_EQ(round.Step(AtlCoord(4, 38), D::Southeast, 64, 40), AtlCoord(5, 39));
    // Six steps round a hex come back to it, the wrap included.
    AtlCoord c(63, 7);
    for (D::Type d : {D::North, D::Northeast, D::Southeast, D::South, D::Southwest, D::Northwest})
        c = round.Step(c, d, 64, 40);
    EXPECT_EQ(c, AtlCoord(63, 7));
}
