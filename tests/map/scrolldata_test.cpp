#include "map/hexgeometry.h"
#include "map/scrolldata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kWrap = HexGeometry::kWrapWidth;

// 800 x 600: (800 - 13) / 37 = 21 columns, 600 / 21 = 28 rows.
ScrollData Window(int xExtent, int yExtent, int wrap, int width = 800, int height = 600) {
    ScrollData s;
    s.Setup(width, height, xExtent, yExtent, wrap);
    return s;
}

} // namespace

TEST(ScrollData, SetupCountsWholeStepsAndTheRange) {
    ScrollData s = Window(40, 50, kWrap);
    EXPECT_EQ(s.columnUnit, 37);
    EXPECT_EQ(s.rowUnit, 21);
    EXPECT_EQ(s.pageColumns, 21);
    EXPECT_EQ(s.pageRows, 28);
    EXPECT_EQ(s.maxColumn, kWrap + 21 - 2); // the thumb reaches every column of the world
    EXPECT_EQ(s.LastColumn(), 63);
    EXPECT_EQ(s.maxRow, 50);
    EXPECT_EQ(s.LastRow(), 23);

    ScrollData flat = Window(40, 50, 0);
    EXPECT_EQ(flat.maxColumn, 39);
    EXPECT_EQ(flat.LastColumn(), 19);
    // The last hex of the range then fits the window exactly.
    EXPECT_LE((flat.maxColumn - flat.LastColumn()) * 37 + 50, 800);
    EXPECT_LE((flat.maxRow + 1 - flat.LastRow()) * 21, 600);

    ScrollData empty = Window(-1, -1, 0, 0, 0);
    EXPECT_EQ(empty.pageColumns, 0);
    EXPECT_EQ(empty.maxColumn, -1);
    EXPECT_EQ(empty.maxRow, 0);
}

TEST(ScrollData, NothingMovesBeforeSetup) {
    ScrollData s;
    EXPECT_FALSE(s.HScroll(ScrollData::LineForward, 0, kWrap));
    EXPECT_FALSE(s.VScroll(ScrollData::ThumbPosition, 5));
    EXPECT_EQ(s.column, 0);
    EXPECT_EQ(s.row, 0);
}

TEST(ScrollData, HorizontalStepsGoRoundTheWorld) {
    ScrollData s = Window(64, 64, kWrap);
    EXPECT_TRUE(s.HScroll(ScrollData::LineBack, 0, kWrap));
    EXPECT_EQ(s.column, 63);
    EXPECT_TRUE(s.HScroll(ScrollData::LineForward, 0, kWrap));
    EXPECT_EQ(s.column, 0);
    s.HScroll(ScrollData::PageBack, 0, kWrap);
    EXPECT_EQ(s.column, 64 - 20);
    s.HScroll(ScrollData::PageForward, 0, kWrap);
    s.HScroll(ScrollData::PageForward, 0, kWrap);
    EXPECT_EQ(s.column, 20);
    s.HScroll(ScrollData::ThumbTrack, 70, kWrap);
    EXPECT_EQ(s.column, 6);
    s.HScroll(ScrollData::ThumbPosition, -1, kWrap);
    EXPECT_EQ(s.column, 63);
    s.HScroll(ScrollData::ToStart, 0, kWrap);
    EXPECT_EQ(s.column, 0);
    s.HScroll(ScrollData::ToEnd, 0, kWrap);
    EXPECT_EQ(s.column, 63);
    EXPECT_FALSE(s.HScroll(ScrollData::EndScroll, 5, kWrap));
    EXPECT_FALSE(s.HScroll(99, 5, kWrap));
    EXPECT_EQ(s.column, 63);

    // A window wider than the world shows it once: there is nowhere to go.
    ScrollData wide = Window(64, 64, kWrap, 100 * 37 + 13);
    EXPECT_FALSE(wide.HScroll(ScrollData::PageForward, 0, kWrap));
    EXPECT_EQ(wide.column, 0);
}

TEST(ScrollData, StepsWithoutWrapStayInTheRange) {
    ScrollData s = Window(40, 50, 0);
    EXPECT_FALSE(s.HScroll(ScrollData::LineBack, 0, 0));
    EXPECT_EQ(s.column, 0);
    s.HScroll(ScrollData::PageForward, 0, 0);
    EXPECT_EQ(s.column, 19);
    EXPECT_FALSE(s.HScroll(ScrollData::LineForward, 0, 0));
    s.HScroll(ScrollData::ThumbPosition, 7, 0);
    EXPECT_EQ(s.column, 7);
    s.HScroll(ScrollData::ToEnd, 0, 0);
    EXPECT_EQ(s.column, 19);

    // A world narrower than the window does not scroll at all.
    ScrollData narrow = Window(10, 5, 0);
    narrow.HScroll(ScrollData::ToEnd, 0, 0);
    narrow.VScroll(ScrollData::PageForward, 0);
    EXPECT_EQ(narrow.column, 0);
    EXPECT_EQ(narrow.row, 0);
}

TEST(ScrollData, RowsAreAlwaysLimited) {
    ScrollData s = Window(64, 50, kWrap);
    EXPECT_FALSE(s.VScroll(ScrollData::LineBack, 0));
    EXPECT_EQ(s.row, 0);
    s.VScroll(ScrollData::PageForward, 0);
    EXPECT_EQ(s.row, 23); // 27 rows a page, limited to the last
    s.VScroll(ScrollData::PageBack, 0);
    EXPECT_EQ(s.row, 0);
    s.VScroll(ScrollData::ThumbTrack, -5);
    EXPECT_EQ(s.row, 0);
    s.VScroll(ScrollData::ToEnd, 0);
    EXPECT_EQ(s.row, 23);
    EXPECT_TRUE(s.IsDownEdge());
    s.VScroll(ScrollData::LineBack, 0);
    EXPECT_FALSE(s.IsDownEdge());

    // A window of one row still pages.
    ScrollData low = Window(64, 50, kWrap, 800, 21);
    low.VScroll(ScrollData::PageForward, 0);
    EXPECT_EQ(low.row, 1);
}

TEST(ScrollData, SwitchingPlainsPullsBackOnlyWhatLiesBeyondTheNewLimits) {
    // Surface 64 x 64, then an underworld 32 around and 16 tall.
    ScrollData s = Window(64, 64, kWrap);
    s.HScroll(ScrollData::ThumbPosition, 50, kWrap);
    s.VScroll(ScrollData::ThumbPosition, 30);
    EXPECT_FALSE(s.Setup(800, 600, 64, 64, kWrap));
    EXPECT_TRUE(s.Setup(800, 600, 32, 16, 32));
    EXPECT_EQ(s.column, 50 - 32);
    EXPECT_EQ(s.row, 0);                 // 17 rows of pictures fit the window
    EXPECT_EQ(s.LastRow(), 16 + 1 - 28); // below 0: the bar has nothing to move

    ScrollData flat = Window(64, 64, 0);
    flat.HScroll(ScrollData::ThumbPosition, 40, 0);
    flat.VScroll(ScrollData::ThumbPosition, 30);
    EXPECT_TRUE(flat.Setup(800, 600, 32, 64, 0));
    EXPECT_EQ(flat.column, 32 - 21);
    EXPECT_EQ(flat.row, 30);
    EXPECT_TRUE(flat.Setup(800, 600, 10, 10, 0));
    EXPECT_EQ(flat.column, 0);
    EXPECT_EQ(flat.row, 0);
    EXPECT_TRUE(flat.IsRightEdge());
    EXPECT_TRUE(flat.IsDownEdge());
    // Growing the window keeps the position where it is within the limits.
    ScrollData grow = Window(64, 64, 0);
    grow.HScroll(ScrollData::ThumbPosition, 10, 0);
    EXPECT_FALSE(grow.Setup(1000, 600, 64, 64, 0));
    EXPECT_EQ(grow.column, 10);
}

// Scroll bars whose maximum excludes the page (the toolkit's model): the thumb's share of
// the bar is the share of the level on show, and position 0 is the north or west edge.
TEST(ScrollData, BarPagesShowTheShareOfTheLevelOnShow) {
    auto share = [](int last, int page) { return double(page) / (std::max(last, 0) + page); };
    for (int wrap : {16, 32, 64}) {
        ScrollData s = Window(wrap, wrap, wrap);
        // 16 around fits the window: drawn once, with no columns to scroll.
        EXPECT_EQ(s.once, wrap == 16);
        if (s.once) {
            EXPECT_LE(s.LastColumn(), 0);
            continue;
        }
        EXPECT_EQ(s.LastColumn(), wrap - 1);
        EXPECT_NEAR(share(s.LastColumn(), s.ColumnBarPage(wrap)), double(s.pageColumns) / wrap,
                    0.02)
            << wrap;
    }
    // 40 rows of hexes take 41 row steps; the window shows 28 of them.
    ScrollData tall = Window(64, 40, kWrap);
    EXPECT_EQ(tall.LastRow(), 41 - 28);
    EXPECT_NEAR(share(tall.LastRow(), tall.RowBarPage()), 28.0 / 41, 1e-9);
    // A 32-row level nearly fits: the thumb takes nearly the whole bar.
    ScrollData nearly = Window(64, 32, kWrap, 800, 26 * 21);
    EXPECT_GT(share(nearly.LastRow(), nearly.RowBarPage()), 0.75);
    ScrollData flat = Window(30, 10, 0);
    EXPECT_EQ(flat.ColumnBarPage(0), flat.pageColumns);
}

TEST(ScrollData, EdgesOfTheRange) {
    ScrollData s = Window(40, 50, 0);
    EXPECT_FALSE(s.IsRightEdge());
    s.HScroll(ScrollData::ToEnd, 0, 0);
    EXPECT_TRUE(s.IsRightEdge());
    ScrollData round = Window(64, 50, kWrap);
    round.HScroll(ScrollData::ThumbPosition, 62, kWrap);
    EXPECT_FALSE(round.IsRightEdge());
    round.HScroll(ScrollData::LineForward, 0, kWrap);
    EXPECT_TRUE(round.IsRightEdge());
}

TEST(ScrollData, RightClickCentresTheHex) {
    HexGeometry geometry;
    const int width = 800, height = 600;
    for (AtlCoord c : {AtlCoord(30, 30), AtlCoord(2, 24), AtlCoord(63, 31)}) {
        ScrollData s = Window(64, 64, kWrap);
        s.CenterOn(c, width, height, kWrap);
        std::vector<PixelPoint> corners = geometry.HexCorners(c, s);
        ASSERT_EQ(corners.size(), 1u);
        int middleX = corners[0].x + HexGeometry::kHalfWidth;
        int middleY = corners[0].y + HexGeometry::kHalfHeight;
        EXPECT_LE(std::abs(middleX - width / 2), 37) << c.x;
        EXPECT_LE(std::abs(middleY - height / 2), 21) << c.y;
        // The hit test finds the hex there again.
        EXPECT_EQ(geometry.ViewCoord2HexCoord({middleX, middleY}, s, 0, 64), c);
    }
    // Near x = 0 the first column wraps round to the far end of the world.
    ScrollData s = Window(64, 64, kWrap);
    s.CenterOn(AtlCoord(2, 24), width, height, kWrap);
    EXPECT_EQ(s.column, 64 + 2 - 10);
    // Near the top and bottom the rows stay within the range.
    s.CenterOn(AtlCoord(4, 2), width, height, kWrap);
    EXPECT_EQ(s.row, 0);
    s.CenterOn(AtlCoord(4, 62), width, height, kWrap);
    EXPECT_EQ(s.row, s.LastRow());
}

TEST(ScrollData, BringingAHexIntoViewScrollsTheShortWayAndNoMore) {
    HexGeometry geometry;
    const int width = 800, height = 600;
    ScrollData s = Window(64, 64, kWrap);
    s.column = 10;
    s.row = 10;
    // Already whole in view: nothing moves.
    EXPECT_FALSE(s.BringIntoView(AtlCoord(12, 12), kWrap));
    // One column right of the view, two rows below: just enough to show it whole.
    for (AtlCoord c : {AtlCoord(10 + s.pageColumns, 10 + s.pageRows), AtlCoord(9, 9),
                       AtlCoord(60, 40), AtlCoord(0, 0), AtlCoord(62, 62)}) {
        s.BringIntoView(c, kWrap);
        std::vector<PixelPoint> corners = geometry.HexCorners(c, s);
        bool whole = false;
        for (PixelPoint p : corners)
            whole = whole || (p.x >= 0 && p.y >= 0 && p.x + HexGeometry::kHexWidth <= width &&
                              p.y + HexGeometry::kHexHeight <= height);
        EXPECT_TRUE(whole) << c.GetString().Get();
    }
    // West of column 0 lies the far end of the world: the view goes round, not across.
    s.column = 0;
    s.BringIntoView(AtlCoord(63, 11), kWrap);
    EXPECT_EQ(s.column, 63);
}

// A world 32 around and 20 rows tall at 25% in an 800 x 600 window: drawn once in the middle,
// every hex at one place that hits it again, nothing beside it; scrolling has nowhere to go.
TEST(ScrollData, ALevelSmallerThanTheWindowIsDrawnOnceInItsMiddle) {
    HexGeometry geometry(32, 20);
    geometry.SetZoomStep(0);
    const HexMetrics& m = geometry.Metrics();
    ScrollData s;
    s.Setup(800, 600, 32, 20, 32, m);
    s.CenterOn(AtlCoord(5, 5), 800, 600, 32);
    ASSERT_TRUE(s.once && s.fitsRows);
    EXPECT_EQ(s.levelWidth, 31 * 9 + 12);
    EXPECT_EQ(s.originX, (800 - s.levelWidth) / 2);
    EXPECT_EQ(s.originY, (600 - 21 * 5) / 2);
    EXPECT_FALSE(s.HScroll(ScrollData::PageForward, 0, 32));
    EXPECT_FALSE(s.VScroll(ScrollData::LineForward, 0));
    std::vector<HexPlace> places = geometry.PlacesIn({0, 0, 800, 600}, s, 0);
    EXPECT_EQ(places.size(), size_t(32 * 20 / 2));
    for (const HexPlace& place : places) {
        EXPECT_EQ(geometry.HexCorners(place.hex, s), std::vector<PixelPoint>{place.corner});
        PixelPoint middle{place.corner.x + m.width / 2, place.corner.y + m.height / 2};
        EXPECT_TRUE(s.InLevel(middle));
        EXPECT_EQ(geometry.ViewCoord2HexCoord(middle, s, 0, 32), place.hex);
    }
    EXPECT_FALSE(s.InLevel({s.originX - 1, 300}));
    EXPECT_FALSE(s.InLevel({400, s.originY + s.levelHeight}));
    // The window narrower than the world: round and round again, no margins.
    s.Setup(200, 600, 32, 20, 32, m);
    EXPECT_FALSE(s.once);
    EXPECT_EQ(s.originX, 0);
    EXPECT_TRUE(s.HScroll(ScrollData::LineBack, 0, 32));
    EXPECT_EQ(s.column, 31);
}
