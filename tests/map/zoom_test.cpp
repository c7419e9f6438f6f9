#include "map/hexgeometry.h"
#include "map/scrolldata.h"
#include "map/zoom.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

HexGeometry AtStep(int step, int wrap = HexGeometry::kWrapWidth) {
    HexGeometry geometry(wrap);
    geometry.SetZoomStep(step);
    return geometry;
}

ScrollData ScrolledTo(const HexGeometry& geometry, int column, int row) {
    ScrollData s;
    // Smaller than the world at every step, which would otherwise be drawn once.
    s.Setup(560, 300, 64, 64, geometry.WrapWidth(), geometry.Metrics());
    s.column = column;
    s.row = row;
    return s;
}

} // namespace

// At every step: each hex's outline tiles with its neighbours', and every pixel of a hex
// between the middles of its slanted edges (columns part there) hits it again, across the
// wrap and without it.
TEST(Zoom, HexToPixelToHexAtEveryStep) {
    for (int step = 0; step < HexGeometry::kZoomStepCount; ++step) {
        const HexMetrics& m = HexGeometry::kZoomSteps[step];
        ASSERT_EQ((m.width - m.topEdge) % 2, 0) << step;
        ASSERT_EQ(m.height % 2, 0) << step;
        for (int wrap : {64, 0}) {
            HexGeometry geometry = AtStep(step, wrap);
            for (auto [column, row] : {std::pair{0, 0}, {61, 5}}) {
                if (wrap == 0 && column > 0) column = 20;
                ScrollData s = ScrolledTo(geometry, column, row);
                for (int x = column - 1; x <= column + 8; ++x)
                    for (int y = row; y <= row + 8; ++y) {
                        if ((x + y) % 2 != 0 || (wrap == 0 && x < 0)) continue;
                        PixelPoint corner = geometry.HexCorner(x, y, s);
                        AtlCoord expected(geometry.WrapX(x), y, 0);
                        for (int dy = 0; dy < m.height; ++dy)
                            for (int dx = m.Slant() / 2; dx < m.Slant() / 2 + m.ColumnStep();
                                 ++dx) {
                                PixelPoint p{corner.x + dx, corner.y + dy};
                                if (p.x < 0 || p.y < 0) continue;
                                ASSERT_EQ(geometry.ViewCoord2HexCoord(p, s, 0, 64), expected)
                                    << "step " << step << " wrap " << wrap << " pixel " << dx << ","
                                    << dy << " of " << x << "," << y;
                            }
                        // The neighbour across each edge shares it, walked the other way.
                        for (int edge = 0; edge < 6; ++edge) {
                            AtlCoord n(x, y);
                            n.Move(HexGeometry::kEdgeDirections[edge]);
                            PixelPoint other = geometry.HexCorner(n.x, n.y, s);
                            PixelPoint a = m.Outline(edge), na = m.Outline(edge + 4);
                            ASSERT_EQ(corner.x + a.x, other.x + na.x) << step << " " << edge;
                            ASSERT_EQ(corner.y + a.y, other.y + na.y) << step << " " << edge;
                        }
                    }
            }
        }
    }
    // Actual size is the pictures' own size.
    const HexMetrics& actual = HexGeometry::kZoomSteps[HexGeometry::kActualSize];
    EXPECT_EQ(actual.percent, 100);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(actual.Outline(i), HexGeometry::kOutline[i]);
}

// The point under the mouse keeps its hex through every step in and out, also where the
// view has to go round the world to keep it.
TEST(Zoom, TheHexUnderThePointStaysPut) {
    // Narrower than the world at the smallest step, which would otherwise draw it once.
    const int width = 560, height = 500;
    for (int from = 0; from < HexGeometry::kZoomStepCount; ++from)
        for (int to : {from - 1, from + 1}) {
            if (to < 0 || to >= HexGeometry::kZoomStepCount) continue;
            HexGeometry a = AtStep(from), b = AtStep(to);
            for (PixelPoint p : {PixelPoint{350, 250}, PixelPoint{10, 480}, PixelPoint{550, 20}}) {
                for (int column : {0, 30, 63}) {
                    ScrollData s;
                    s.Setup(width, height, 64, 200, 64, a.Metrics());
                    s.column = column;
                    s.row = 60;
                    AtlCoord under = a.ViewCoord2HexCoord(p, s, 0, 64);
                    ZoomAround(s, a, b, p, width, height, 64, 200);
                    EXPECT_EQ(s.columnUnit, b.Metrics().ColumnStep());
                    EXPECT_EQ(b.ViewCoord2HexCoord(p, s, 0, 64), under)
                        << from << " to " << to << " at " << p.x << "," << p.y << " from column "
                        << column;
                    EXPECT_TRUE(s.column >= 0 && s.column < 64) << s.column;
                }
            }
        }
}

// A world 32 around and 20 rows tall in an 800 x 600 window: drawn once from 50% down, and
// as low as the window from 75% down. Zooming in or out, its margins move to keep the hex
// under the mouse, as far as the level stays whole in the window.
TEST(Zoom, ALevelSmallerThanTheWindowMovesItsMarginsToKeepTheHex) {
    const int width = 800, height = 600, wrap = 32, rows = 20;
    int kept = 0;
    for (int from = 0; from < HexGeometry::kZoomStepCount; ++from)
        for (int to : {from - 1, from + 1}) {
            if (to < 0 || to >= HexGeometry::kZoomStepCount) continue;
            HexGeometry a = AtStep(from, wrap), b = AtStep(to, wrap);
            for (PixelPoint p :
                 {PixelPoint{400, 300}, PixelPoint{250, 200}, PixelPoint{560, 380}}) {
                ScrollData s;
                s.Setup(width, height, wrap, rows, wrap, a.Metrics());
                s.CenterOn(AtlCoord(16, 10), width, height, wrap);
                if (!s.InLevel(p)) continue;
                AtlCoord under = a.ViewCoord2HexCoord(p, s, 0, wrap);
                ZoomAround(s, a, b, p, width, height, wrap, rows);
                EXPECT_EQ(s.once, 31 * b.Metrics().ColumnStep() + b.Metrics().width <= width);
                // The level lies wholly in the window along each side it fits.
                if (s.once) {
                    EXPECT_EQ(s.column, 0);
                    EXPECT_TRUE(s.originX >= 0 && s.originX + s.levelWidth <= width);
                }
                if (s.fitsRows) {
                    EXPECT_TRUE(s.originY >= 0 && s.originY + s.levelHeight <= height);
                }
                AtlCoord now = b.ViewCoord2HexCoord(p, s, 0, wrap);
                // Where the hex cannot stay: a margin or the scroll range at its end.
                bool rowsAtEnd = !s.fitsRows && (s.row == 0 || s.row == s.LastRow());
                bool pinned =
                    rowsAtEnd ||
                    (s.once && (s.originX == 0 || s.originX + s.levelWidth == width)) ||
                    (s.fitsRows && (s.originY == 0 || s.originY + s.levelHeight == height));
                EXPECT_TRUE(now == under || pinned)
                    << from << " to " << to << " at " << p.x << "," << p.y;
                kept += now == under;
            }
        }
    // Most steps keep it outright.
    EXPECT_GE(kept, 24);
}

TEST(Zoom, AWholeLevelFitsFiveStepsBelowTheLargest) {
    // The map of a 1280 x 800 window: 60% of the width less the bar, the height less the
    // menu, toolbar, status bar and scroll bar.
    int step = WholeLevelStep(64, 64, 750, 660);
    EXPECT_LE(step, HexGeometry::kZoomStepCount - 6);
    const HexMetrics& m = HexGeometry::kZoomSteps[step];
    EXPECT_LE(63 * m.ColumnStep() + m.width, 750);
    EXPECT_LE(63 * m.RowStep() + m.height, 660);
    EXPECT_EQ(HexGeometry::kZoomSteps[HexGeometry::kZoomStepCount - 1].percent, 200);
    EXPECT_EQ(WholeLevelStep(8, 8, 2000, 2000), HexGeometry::kZoomStepCount - 1);
    EXPECT_EQ(WholeLevelStep(1000, 1000, 100, 100), 0);
    EXPECT_EQ(ZoomStepOfPercent(50), 2);
    EXPECT_EQ(ZoomStepOfPercent(77), HexGeometry::kActualSize);
}
