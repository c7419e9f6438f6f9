// The minimap's arithmetic by its laws (every patch is found again under its own pixels, the
// patches tile the picture, the view's window wraps with the world) and on a real game.
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/hexgeometry.h"
#include "map/minimap.h"
#include "map/scrolldata.h"
#include "map/storedarea.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Name(const AtlCoord& c) {
    return c.GetString().Get();
}

// Every hex of the layout's level, each column's rows of its own parity.
template <class F> void ForEachHex(const MinimapLayout& layout, F f) {
    for (int dx = 0; dx < layout.Columns(); ++dx) {
        int x = layout.FirstColumn() + dx;
        for (int y = HexGeometry::Modulo(x, 2); y < layout.Rows(); y += 2)
            f(AtlCoord(x, y, 0));
    }
}

// A map view of clientWidth x clientHeight at actual size, scrolled to column, row.
ScrollData View(int column, int row, int clientWidth, int clientHeight, int wrap, int rows) {
    ScrollData scroll;
    scroll.Setup(clientWidth, clientHeight, wrap, rows, wrap);
    scroll.column = column;
    scroll.row = row;
    return scroll;
}

} // namespace

TEST(MinimapLayout, EveryPatchIsFoundUnderItsPixelsAndThePatchesTile) {
    // Boxes wider and taller than the level's shape, one smaller than a pixel a column, and a
    // level small enough to stop at the largest patch.
    struct Case {
        int first, columns, rows, wrap, width, height;
    };
    for (Case k :
         {Case{0, 64, 64, 64, 260, 400}, Case{10, 64, 64, 64, 400, 120}, Case{-3, 7, 12, 0, 97, 83},
          Case{20, 48, 30, 48, 40, 30}, Case{5, 2, 3, 0, 500, 500}}) {
        MinimapLayout layout(k.first, k.columns, k.rows, k.wrap, k.width, k.height);
        PixelRect picture = layout.Picture();
        SCOPED_TRACE(std::to_string(k.width) + " x " + std::to_string(k.height));
        ASSERT_FALSE(picture.IsEmpty());
        EXPECT_GE(picture.left, 0);
        EXPECT_LE(picture.right, k.width);
        EXPECT_LE(picture.bottom, k.height);
        // The shape of the level, within a pixel's rounding, and centred.
        double shape = static_cast<double>(k.columns * 37) / ((k.rows + 1) * 21);
        EXPECT_NEAR(picture.Width(), picture.Height() * shape, 1 + shape);
        EXPECT_LE(std::abs(picture.left - (k.width - picture.right)), 1);
        EXPECT_LE(picture.Width() / k.columns, MinimapLayout::kLargestColumn);

        int patches = 0;
        ForEachHex(layout, [&](const AtlCoord& c) {
            PixelRect patch = layout.Patch(c);
            if (patch.IsEmpty()) return; // a column narrower than a pixel
            ++patches;
            AtlCoord found;
            ASSERT_TRUE(layout.HexAt({patch.left, patch.top}, 0, found)) << Name(c);
            EXPECT_EQ(found, AtlCoord(k.wrap ? HexGeometry::Modulo(c.x, k.wrap) : c.x, c.y, 0));
            ASSERT_TRUE(layout.HexAt({patch.right - 1, patch.bottom - 1}, 0, found));
            EXPECT_EQ(found.y, c.y) << Name(c);
        });
        EXPECT_GT(patches, 0);
        // Each pixel of the picture lies in the patch of the hex found under it, but for the
        // half rows at a column's top or bottom that no hex of it covers.
        for (int y = picture.top; y < picture.bottom; ++y)
            for (int x = picture.left; x < picture.right; ++x) {
                AtlCoord c;
                ASSERT_TRUE(layout.HexAt({x, y}, 0, c)) << x << "," << y;
                ASSERT_EQ((c.x + c.y) % 2, 0);
                PixelRect patch = layout.Patch(c);
                bool edge = y < layout.Patch(AtlCoord(c.x, c.y % 2, 0)).top ||
                            y >= layout.Patch(AtlCoord(c.x, c.y, 0)).bottom;
                EXPECT_TRUE(patch.Contains({x, y}) || edge) << x << "," << y << " " << Name(c);
            }
        AtlCoord outside;
        EXPECT_FALSE(layout.HexAt({picture.left - 1, picture.top}, 0, outside));
        EXPECT_FALSE(layout.HexAt({picture.left, picture.bottom}, 0, outside));
    }
    // Nothing to show: no picture, nothing under a click.
    AtlCoord c;
    EXPECT_FALSE(MinimapLayout().HexAt({0, 0}, 0, c));
    EXPECT_TRUE(MinimapLayout(0, 64, 64, 64, 0, 100).Picture().IsEmpty());
    EXPECT_TRUE(MinimapLayout::OfLevel(nullptr, 64, 200, 200).Picture().IsEmpty());
}

TEST(MinimapLayout, TheWorldGoesRoundAtItsWidth) {
    MinimapLayout layout(40, 64, 20, 64, 256, 200);
    // Column 40 at the left, 39 at the right: a hex and its copy one world east are one patch.
    EXPECT_EQ(layout.Patch(AtlCoord(40, 0)).left, layout.Picture().left);
    EXPECT_EQ(layout.Patch(AtlCoord(39, 1)).right, layout.Picture().right);
    EXPECT_EQ(layout.Patch(AtlCoord(104, 0)), layout.Patch(AtlCoord(40, 0)));
    EXPECT_EQ(layout.Patch(AtlCoord(-24, 0)), layout.Patch(AtlCoord(40, 0)));
    // Rows below the level have no patch.
    EXPECT_TRUE(layout.Patch(AtlCoord(40, 20)).IsEmpty());
    EXPECT_TRUE(layout.Patch(AtlCoord(40, -2)).IsEmpty());
    // Without wrap, columns beside the level have none either.
    MinimapLayout flat(40, 10, 20, 0, 256, 200);
    EXPECT_TRUE(flat.Patch(AtlCoord(39, 1)).IsEmpty());
    EXPECT_TRUE(flat.Patch(AtlCoord(50, 0)).IsEmpty());
}

TEST(MinimapLayout, TheViewsWindowIsMarkedAndWrapsWithTheWorld) {
    MinimapLayout layout(0, 64, 64, 64, 256, 256);
    const PixelRect picture = layout.Picture();
    HexGeometry geometry(64, 64);
    // 740 pixels are 20 columns, 420 pixels 20 half rows: a fifth of the world across,
    // somewhat less than a third of it down.
    auto pieces = layout.ViewPieces(View(10, 6, 740, 420, 64, 64), geometry, 740, 420);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].rect.left, layout.Patch(AtlCoord(10, 6)).left);
    EXPECT_EQ(pieces[0].rect.top, layout.Patch(AtlCoord(10, 6)).top);
    EXPECT_EQ(pieces[0].rect.right, layout.Patch(AtlCoord(30, 6)).left);
    EXPECT_EQ(pieces[0].rect.bottom, layout.Patch(AtlCoord(10, 26)).top);
    EXPECT_TRUE(pieces[0].leftEdge && pieces[0].rightEdge);

    // Scrolled across the wrap: columns 54 to 63 at the right and 0 to 9 at the left, each
    // piece open where it goes on at the other side.
    pieces = layout.ViewPieces(View(54, 6, 740, 420, 64, 64), geometry, 740, 420);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].rect.left, layout.Patch(AtlCoord(54, 6)).left);
    EXPECT_EQ(pieces[0].rect.right, picture.right);
    EXPECT_TRUE(pieces[0].leftEdge);
    EXPECT_FALSE(pieces[0].rightEdge);
    EXPECT_EQ(pieces[1].rect.left, picture.left);
    EXPECT_EQ(pieces[1].rect.right, layout.Patch(AtlCoord(10, 6)).left);
    EXPECT_FALSE(pieces[1].leftEdge);
    EXPECT_TRUE(pieces[1].rightEdge);
    EXPECT_EQ(pieces[0].rect.top, pieces[1].rect.top);

    // The same place, with the minimap starting at column 50: one piece again.
    MinimapLayout shifted(50, 64, 64, 64, 256, 256);
    pieces = shifted.ViewPieces(View(54, 6, 740, 420, 64, 64), geometry, 740, 420);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].rect.left, shifted.Patch(AtlCoord(54, 6)).left);

    // A window wider than the world shows all of it; one taller than the level is clipped to it.
    pieces = layout.ViewPieces(View(0, 0, 3000, 3000, 64, 64), geometry, 3000, 3000);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].rect, picture);

    // Zoomed out to half size, the same window covers twice the hexes each way (columns 19
    // pixels apart, half rows 11).
    geometry.SetZoomStep(2);
    ScrollData half;
    half.Setup(740, 420, 64, 64, 64, geometry.Metrics());
    pieces = layout.ViewPieces(half, geometry, 740, 420);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_NEAR(pieces[0].rect.Width(), picture.Width() * (740.0 / 19) / 64, 1);
    EXPECT_NEAR(pieces[0].rect.Height(), picture.Height() * (420.0 / 11) / 65, 1);
}

TEST(MinimapLayout, AWorldWithoutWrapIsClippedToItsColumns) {
    MinimapLayout layout(5, 20, 30, 0, 200, 200);
    HexGeometry geometry(0, 30);
    ScrollData scroll;
    scroll.Setup(370, 210, 25, 30, 0);
    scroll.column = 20; // columns 20 to 29, of which 20 to 24 are the level's
    auto pieces = layout.ViewPieces(scroll, geometry, 370, 210);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].rect.left, layout.Patch(AtlCoord(20, 0)).left);
    EXPECT_EQ(pieces[0].rect.right, layout.Picture().right);
    scroll.column = 40;
    EXPECT_TRUE(layout.ViewPieces(scroll, geometry, 370, 210).empty());
}

TEST(MinimapLayout, ARealWorldShowsWholeWithItsLandAcrossTheWrapInOnePiece) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, 8)), "");
    AtlMap map;
    FormatMap(doc, map, doc.LastTurn()->date);
    const AtlPlain& surface = *map.GetPlain(0);
    int wrap = surface.WrapWidth();
    MinimapLayout layout = MinimapLayout::OfLevel(&surface, wrap, 260, 300);
    EXPECT_EQ(layout.Columns(), wrap);
    EXPECT_EQ(layout.Rows(), surface.YExtent());
    EXPECT_EQ(layout.FirstColumn(), StoredArea(surface, wrap).column);
    // Faction 3 stands at the world's western edge: its hexes each side of the wrap lie side
    // by side on the minimap, not at its two ends.
    ASSERT_NE(map.GetHex(AtlCoord(0, 32)), nullptr);
    ASSERT_NE(map.GetHex(AtlCoord(63, 31)), nullptr);
    EXPECT_EQ(layout.Patch(AtlCoord(63, 31)).right, layout.Patch(AtlCoord(0, 32)).left);
    // Every known hex has a patch, and a click on it finds it.
    int known = 0;
    surface.ForEachHex([&](const AtlCoord& c, const AtlHexData&) {
        PixelRect patch = layout.Patch(c);
        ASSERT_FALSE(patch.IsEmpty()) << Name(c);
        AtlCoord found;
        ASSERT_TRUE(layout.HexAt({(patch.left + patch.right) / 2, (patch.top + patch.bottom) / 2},
                                 0, found));
        EXPECT_EQ(found, AtlCoord(c.x, c.y, 0));
        ++known;
    });
    EXPECT_GE(known, 64);
}
