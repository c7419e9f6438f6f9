#include "gfx/bitmap.h"
#include "gfx/grafview.h"
#include "gfx/offscreen.h"
#include "gfx/offscreengui.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/hexgeometry.h"
#include "map/mapviewsink.h"
#include "map/scrolldata.h"
#include "map/storedarea.h"
#include "mapview/legend.h"
#include "mapview/mappainter.h"
#include "mapview/maprender.h"
#include "model/docfile.h"
#include "model/location.h"
#include "tests/support/docbuild.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kPlain = 0;

// Records what the map asks its view to redraw.
class RecordingView : public MapViewSink {
public:
    void InvalidateHex(const AtlCoord& c) override { redrawn.push_back(c); }
    std::vector<AtlCoord> redrawn;
};

// A hex showing a sighting of terrain and town; the sightings last as long as the test
// program.
AtlHexData Hex(TerrainType terrain, const char* town = "", uint32_t flags = 0) {
    static std::deque<LocationNode> sightings;
    LocationNode& loc = sightings.emplace_back();
    loc.terrain = terrain;
    loc.townName = town;
    return AtlHexData(loc, AtlDate(), flags);
}

AtlHexData Hex(int terrain, const char* town = "", uint32_t flags = 0) {
    return Hex(TerrainType(static_cast<TerrainType::Type>(terrain)), town, flags);
}

// Every hex of a 64 x 64 world known: all terrains, towns with short and long names, guards
// and partly known hexes scattered over it.
void FillWorld(AtlMap& map) {
    map.Clear();
    static const char* const kNames[] = {"Oyo", "Verdorf", "Mun-a-karak", "A'vespol",
                                         "Brimsordon-on-the-Marsh"};
    for (int y = 0; y < 64; ++y)
        for (int x = y % 2; x < 64; x += 2) {
            int n = x * 7 + y * 3;
            const char* town = n % 7 == 0 ? kNames[(n / 7) % 5] : "";
            uint32_t flags = 0;
            if (n % 5 == 0) flags |= AtlHexData::HexGuarded;
            if (n % 9 == 0) flags |= AtlHexData::HexPartial;
            map.SetHex(AtlCoord(x, y), Hex(1 + n % 11, town, flags));
        }
}

void Paint(const MapPainter& painter, OffscreenBuffer& buffer, const PixelRect& clip,
           const ScrollData& scroll) {
    OffscreenBuffer::Painting painting(buffer);
    painter.Draw(painting.View(), clip, kPlain, scroll);
}

ScrollData Window(int width, int height, int column, int row) {
    ScrollData s;
    s.Setup(width, height, 64, 64, HexGeometry::kWrapWidth);
    s.column = column;
    s.row = row;
    return s;
}

PixelPoint EdgeMiddle(PixelPoint corner, int edge) {
    PixelPoint a = HexGeometry::kOutline[edge], b = HexGeometry::kOutline[(edge + 1) % 6];
    return {corner.x + (a.x + b.x) / 2, corner.y + (a.y + b.y) / 2};
}

// The small map of the picture test: six columns across the wrap, every terrain, a hole,
// partly known hexes, a guarded town, a long town name and a selected hex beside the hole.
void FillSmallDoc(VexlorDoc& doc) {
    const AtlDate july(6, 1);
    const int columns[] = {62, 63, 0, 1, 2, 3};
    int t = 0;
    for (int y = 0; y < 6; ++y)
        for (int x : columns) {
            if ((x + y) % 2 != 0 || AtlCoord(x, y) == AtlCoord(1, 3) ||
                AtlCoord(x, y) == AtlCoord(62, 2))
                continue;
            bool partial = AtlCoord(x, y) == AtlCoord(63, 3) || AtlCoord(x, y) == AtlCoord(3, 1);
            AddLoc(doc, july, AtlCoord(x, y), static_cast<TerrainType::Type>(1 + t++ % 11),
                   "Erisort", partial);
        }
    LocationNode& verdorf = *doc.RegisterTurn(july)->RegisterLoc(AtlCoord(0, 2));
    verdorf.townName = "Verdorf";
    verdorf.townType = "city";
    AddUnit(verdorf, 47, "City Guard", 1, UnitNode::OnGuard);
    doc.RegisterTurn(july)->RegisterLoc(AtlCoord(2, 4))->townName = "Mun-a-karak";
}

// Pixels that may differ where text is drawn, since fonts differ between machines.
struct TextBoxes {
    std::vector<PixelRect> boxes;
    bool Contains(int x, int y) const {
        for (const PixelRect& b : boxes)
            if (b.Contains({x, y})) return true;
        return false;
    }
};

TextBoxes TownNameBoxes(const AtlMap& map, const HexArea& area) {
    HexGeometry geometry(area.wrapWidth);
    ScrollData scroll;
    scroll.column = area.column;
    scroll.row = area.row;
    TextBoxes text;
    for (const HexPlace& p :
         geometry.PlacesIn({0, 0, area.PixelWidth(), area.PixelHeight()}, scroll, kPlain)) {
        const AtlHexData* hex = map.GetHex(p.hex);
        if (!hex || hex->Location().townName.IsEmpty()) continue;
        int x = p.corner.x + HexGeometry::kHalfWidth, y = p.corner.y + HexGeometry::kHalfHeight;
        text.boxes.push_back({x - 50, y - 3, x + 50, y + 17});
    }
    return text;
}

// Compares with the expected picture: exactly outside text, loosely inside it, where each
// name must still be written in black. VEXLOR_UPDATE_EXPECTED=1 writes the expected file.
void ExpectPicture(const OffscreenBuffer& actual, const char* name, const TextBoxes& text) {
    std::string expectedPath = std::string(VEXLOR_TEST_DATA_DIR) + "/expected/" + name;
    if (std::getenv("VEXLOR_UPDATE_EXPECTED")) {
        ASSERT_TRUE(actual.SavePng(expectedPath.c_str()));
        GTEST_SKIP() << "wrote " << expectedPath;
    }
    std::string actualPath = ::testing::TempDir() + name;
    actual.SavePng(actualPath.c_str());
    Bitmap expected = Bitmap::LoadFile(expectedPath.c_str());
    ASSERT_FALSE(expected.IsNull()) << expectedPath;
    ASSERT_EQ(actual.Width(), expected.Width()) << "see " << actualPath;
    ASSERT_EQ(actual.Height(), expected.Height()) << "see " << actualPath;
    long outside = 0, inside = 0, insideDiffs = 0;
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x) {
            bool differs = !(actual.PixelAt(x, y) == expected.PixelAt(x, y));
            if (text.Contains(x, y)) {
                ++inside;
                insideDiffs += differs;
            } else {
                outside += differs;
            }
        }
    EXPECT_EQ(outside, 0) << "pixels outside text differ; see " << actualPath;
    EXPECT_LE(insideDiffs * 2, inside) << "text differs too much; see " << actualPath;
    for (const PixelRect& box : text.boxes) {
        int black = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                black += actual.PixelAt(x, y) == MapPainter::kTownName;
        EXPECT_GT(black, 15) << "no name near " << box.left << "," << box.top;
    }
}

} // namespace

TEST(RenderPlain, SmallMapLooksAsExpected) {
    VexlorDoc doc;
    FillSmallDoc(doc);
    AtlMap map;
    FormatMap(doc, map, AtlDate(6, 1));
    map.SelectHex(AtlCoord(1, 1), true);
    OffscreenBuffer buffer;
    ASSERT_TRUE(RenderPlain(map, kPlain, buffer));
    HexArea area = StoredArea(*map.GetPlain(kPlain), HexGeometry::kWrapWidth);
    EXPECT_EQ(area.column, 62);
    // With the pixel the right and bottom borders are drawn on.
    EXPECT_EQ(buffer.Width(), 5 * 37 + 50 + 1);
    EXPECT_EQ(buffer.Height(), 5 * 21 + 42 + 1);
    ExpectPicture(buffer, "small-surface.png", TownNameBoxes(map, area));
}

// Every region of a real world is known: both plains must show as one surface of hexes.
TEST(RenderPlain, ARealWorldTilesWithoutGaps) {
    VexlorDoc doc;
    ASSERT_EQ(OpenDocFile(doc, VEXLOR_WORLD_DOC), DocRead) << VEXLOR_WORLD_DOC;
    ASSERT_NE(doc.LastTurn(), nullptr);
    AtlMap map;
    FormatMap(doc, map, doc.LastTurn()->date);
    const GrafColor key{255, 0, 255};
    for (int z : {0, 1}) {
        OffscreenBuffer buffer;
        ASSERT_TRUE(RenderPlain(map, z, buffer));
        // Names of the first and last columns may widen the picture beside the hexes.
        const int hexesWidth = (z == 0 ? 31 : 15) * 37 + 50 + 1;
        const int beside = buffer.Width() - hexesWidth;
        EXPECT_GE(beside, 0);
        EXPECT_LT(beside, 64);
        EXPECT_EQ(buffer.Height(), (z == 0 ? 31 : 15) * 21 + 42 + 1);
        // Inside the world's ragged rim every pixel belongs to a hex.
        for (int y = 21; y < buffer.Height() - 21; ++y)
            for (int x = 13 + beside; x < hexesWidth - 13; ++x) {
                ASSERT_FALSE(buffer.PixelAt(x, y) == MapPainter::kBackground)
                    << "plain " << z << " at " << x << "," << y;
                ASSERT_FALSE(buffer.PixelAt(x, y) == key)
                    << "plain " << z << " at " << x << "," << y;
            }
    }
}

TEST(RenderPlain, AnEmptyPlainIsOneUnknownHex) {
    AtlMap map;
    map.Clear();
    OffscreenBuffer buffer;
    ASSERT_TRUE(RenderPlain(map, 1, buffer));
    EXPECT_EQ(buffer.Width(), 51);
    EXPECT_EQ(buffer.Height(), 43);
    Bitmap terrain = Bitmap::LoadResource(kTerrainBitmap);
    EXPECT_EQ(buffer.PixelAt(25, 21), terrain.PixelAt(50 + 25, 126 + 21));
    EXPECT_EQ(buffer.PixelAt(0, 0), MapPainter::kBackground);
    // So is a level the map holds nothing of.
    ASSERT_TRUE(RenderPlain(map, 7, buffer));
    EXPECT_EQ(buffer.Width(), 51);
}

// The picture of a level is whole: its right edge holds the easternmost hex's right point,
// its bottom edge the bottom of the last row, and a name longer than its hex is written
// whole beside the hexes, on both sides of the world's wrap.
TEST(RenderPlain, TheWholeLevelWithoutACut) {
    for (const char* town : {"", "Brimsordon-on-the-Marsh"}) {
        VexlorDoc doc;
        FillSmallDoc(doc);
        const AtlDate july(6, 1);
        doc.RegisterTurn(july)->RegisterLoc(AtlCoord(3, 5))->townName = town;
        doc.RegisterTurn(july)->RegisterLoc(AtlCoord(62, 0))->townName = town;
        AtlMap map;
        FormatMap(doc, map, july);
        OffscreenBuffer buffer;
        ASSERT_TRUE(RenderPlain(map, kPlain, buffer));
        const int hexesWidth = 5 * 37 + 50 + 1;
        const int beside = (buffer.Width() - hexesWidth) / 2;
        if (!*town) {
            ASSERT_EQ(buffer.Width(), hexesWidth);
            // The right point of (3, 5), the easternmost hex of the last row, and the bottom
            // edge of that row are drawn (the outline of the unknown hex beside it meets it
            // there), not left beyond the picture.
            EXPECT_NE(buffer.PixelAt(buffer.Width() - 1, 5 * 21 + 21), MapPainter::kBackground);
            EXPECT_NE(buffer.PixelAt(5 * 37 + 25, buffer.Height() - 1), MapPainter::kBackground);
            continue;
        }
        // The long names reach beyond the hexes on both sides, as far each way...
        EXPECT_GT(beside, 20);
        EXPECT_EQ(buffer.Width(), hexesWidth + 2 * beside);
        // ...and no letter touches the picture's edges: the rim around the name is inside.
        int letters[2] = {0, 0};
        for (int y = 0; y < buffer.Height(); ++y)
            for (int x = 0; x < buffer.Width(); ++x) {
                bool black = buffer.PixelAt(x, y) == MapPainter::kTownName;
                if (black && (x == 0 || x == buffer.Width() - 1)) ADD_FAILURE() << x << "," << y;
                if (black && x < beside) ++letters[0];
                if (black && x >= buffer.Width() - beside) ++letters[1];
            }
        EXPECT_GT(letters[0], 10);
        EXPECT_GT(letters[1], 10);
    }
}

// Terrains the reader keeps by name have pictures of their own, from the sheet's cells that
// tools/make_bitmaps.py draws them in; a name no picture knows shows the unknown hex.
TEST(MapPainter, TerrainsKeptByNameShowTheirOwnPictures) {
    const std::pair<const char*, int> cases[] = {
        {"lake", 11},   {"volcano", 14},    {"chasm", 15}, {"wasteland", 16},
        {"grotto", 17}, {"deepforest", 18}, {"nexus", 19}, {"quicksand", 13}};
    Bitmap sheet = Bitmap::LoadResource(kTerrainBitmap);
    for (auto [name, cell] : cases) {
        AtlMap map;
        map.SetHex(AtlCoord(0, 0), Hex(TerrainType(name)));
        OffscreenBuffer buffer;
        ASSERT_TRUE(RenderPlain(map, 0, buffer));
        // Inside the border every pixel is the picture's.
        int differing = 0;
        for (int y = 4; y < 38; ++y)
            for (int x = 16; x < 34; ++x)
                differing +=
                    !(buffer.PixelAt(x, y) == sheet.PixelAt(cell % 4 * 50 + x, cell / 4 * 42 + y));
        EXPECT_EQ(differing, 0) << name;
    }
}

TEST(MapPainter, AKnownWorldCoversTheWindowWithoutGaps) {
    AtlMap map;
    FillWorld(map);
    HexGeometry geometry;
    MapPainter painter(map, geometry);
    ASSERT_TRUE(painter.HasBitmaps());
    OffscreenBuffer buffer;
    buffer.Resize(900, 500);
    // Scrolled across the wrap and one row down, so that no edge of the world shows.
    Paint(painter, buffer, {0, 0, 900, 500}, Window(900, 500, 50, 1));
    const GrafColor key{255, 0, 255};
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 900; ++x) {
            ASSERT_FALSE(buffer.PixelAt(x, y) == MapPainter::kBackground) << x << "," << y;
            ASSERT_FALSE(buffer.PixelAt(x, y) == key) << x << "," << y;
        }
}

TEST(MapPainter, TheSelectedOutlineStandsOutAmongKnownAndUnknownHexes) {
    AtlMap map;
    FillWorld(map);
    map.RemoveHex(AtlCoord(12, 10)); // unknown hexes around (12, 12)
    map.RemoveHex(AtlCoord(13, 13));
    map.RemoveHex(AtlCoord(11, 11));
    HexGeometry geometry;
    MapPainter painter(map, geometry);
    ScrollData scroll = Window(600, 400, 5, 4);
    for (AtlCoord selected : {AtlCoord(12, 12), AtlCoord(20, 16), AtlCoord(8, 8)}) {
        map.ClearSelection();
        map.SelectHex(selected, true);
        OffscreenBuffer buffer;
        buffer.Resize(600, 400);
        Paint(painter, buffer, {0, 0, 600, 400}, scroll);
        PixelPoint corner = HexGeometry().HexCorner(selected.x, selected.y, scroll);
        for (int edge = 0; edge < 6; ++edge) {
            PixelPoint m = EdgeMiddle(corner, edge);
            EXPECT_EQ(buffer.PixelAt(m.x, m.y), MapPainter::kSelectedBorder)
                << "edge " << edge << " of " << selected.x << "," << selected.y;
        }
        // The plain borders of other hexes are not drawn in the selection's colour.
        PixelPoint other = EdgeMiddle(HexGeometry().HexCorner(16, 20, scroll), 1);
        EXPECT_FALSE(buffer.PixelAt(other.x, other.y) == MapPainter::kSelectedBorder);
    }
}

// The window redraws only the hexes whose selection changed; what it shows must then be
// what a full repaint shows, names of neighbouring towns included.
TEST(MapPainter, RedrawingTheChangedHexesMatchesAFullRepaint) {
    AtlMap map;
    FillWorld(map);
    map.SetHex(AtlCoord(1, 17), Hex(6, "Brimsordon-on-the-Marsh"));
    RecordingView view;
    map.SetView(&view);
    HexGeometry geometry;
    MapPainter painter(map, geometry);
    const int width = 700, height = 500;
    ScrollData scroll = Window(width, height, 60, 10);
    PixelRect window{0, 0, width, height};

    for (auto [from, to] : {std::pair{AtlCoord(63, 15), AtlCoord(3, 17)},
                            std::pair{AtlCoord(3, 17), AtlCoord(62, 14)}}) {
        map.ClearSelection();
        map.SelectHex(from, true);
        OffscreenBuffer shown;
        shown.Resize(width, height);
        Paint(painter, shown, window, scroll);

        view.redrawn.clear();
        map.ClearSelection();
        map.SelectHex(to, true);
        ASSERT_EQ(view.redrawn.size(), 2u);
        for (const AtlCoord& c : view.redrawn)
            for (PixelPoint corner : geometry.HexCorners(c, scroll))
                Paint(painter, shown, HexGeometry().RedrawRect(corner), scroll);

        OffscreenBuffer full;
        full.Resize(width, height);
        Paint(painter, full, window, scroll);
        long differing = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                differing += !(shown.PixelAt(x, y) == full.PixelAt(x, y));
        EXPECT_EQ(differing, 0) << "from " << from.x << "," << from.y << " to " << to.x << ","
                                << to.y;
    }
}

TEST(MapPainter, DrawsNothingOutsideTheClip) {
    AtlMap map;
    FillWorld(map);
    HexGeometry geometry;
    MapPainter painter(map, geometry);
    OffscreenBuffer buffer;
    buffer.Resize(300, 200);
    {
        OffscreenBuffer::Painting painting(buffer);
        painting.View().FillRect({0, 0, 300, 200}, GrafColor{1, 2, 3});
    }
    PixelRect clip{40, 30, 140, 90};
    Paint(painter, buffer, clip, Window(300, 200, 0, 0));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            if (!clip.Contains({x, y})) {
                ASSERT_EQ(buffer.PixelAt(x, y), (GrafColor{1, 2, 3})) << x << "," << y;
            }
}

// At every zoom step, and on a screen of two device pixels to the pixel, the own-units marker
// is a gold disc at least 6 pixels across (its gold core at least 12 pixels) on its hex and
// nowhere else, and the other-units marker a pale disc.
TEST(MapPainter, UnitMarkersStayReadableAtEveryZoom) {
    AtlMap map;
    map.Clear();
    map.SetHex(AtlCoord(2, 2),
               Hex(TerrainType::Plain, "", AtlHexData::HexOwnUnits | AtlHexData::HexOtherUnits));
    map.SetHex(AtlCoord(4, 2), Hex(TerrainType::Plain));
    auto gold = [](GrafColor c) { return c.r > 220 && c.g > 160 && c.g < 225 && c.b < 60; };
    auto pale = [](GrafColor c) { return c.r > 190 && c.r == c.g && c.g == c.b; };
    for (double dpr : {1.0, 2.0})
        for (int step = 0; step < HexGeometry::kZoomStepCount; ++step) {
            HexGeometry geometry;
            geometry.SetZoomStep(step);
            MapPainter painter(map, geometry);
            painter.SetDevicePixelRatio(dpr);
            ScrollData scroll;
            scroll.Setup(300, 300, 64, 64, 64, geometry.Metrics());
            OffscreenBuffer buffer;
            ASSERT_TRUE(buffer.Resize(300, 300, dpr));
            Paint(painter, buffer, {0, 0, 300, 300}, scroll);
            const HexMetrics& m = geometry.Metrics();
            for (int x : {2, 4}) {
                PixelPoint corner = geometry.HexCorner(x, 2, scroll);
                int golden = 0, grey = 0;
                for (int y = corner.y * dpr; y < (corner.y + m.height) * dpr; ++y)
                    for (int px = corner.x * dpr; px < (corner.x + m.width) * dpr; ++px) {
                        golden += gold(buffer.PixelAt(px, y));
                        grey += pale(buffer.PixelAt(px, y));
                    }
                if (x == 2) {
                    EXPECT_GE(golden, 12 * dpr * dpr) << "step " << step << " dpr " << dpr;
                    EXPECT_GE(grey, 4 * dpr * dpr) << "step " << step << " dpr " << dpr;
                } else {
                    EXPECT_EQ(golden, 0) << "step " << step << " dpr " << dpr;
                }
            }
        }
}

// Every picture the help page's legend names is the painter's own: each terrain its own
// picture, each marker on its plain, and none of them the unknown hex but the unknown hex.
TEST(Legend, EveryPictureOfTheHelpPageIsPainted) {
    std::ifstream page(VEXLOR_HELP_PAGE);
    std::string html((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
    std::vector<std::string> names;
    for (size_t at = html.find("src=\"legend:"); at != std::string::npos;
         at = html.find("src=\"legend:", at + 1)) {
        size_t from = at + 12;
        names.push_back(html.substr(from, html.find('"', from) - from));
    }
    ASSERT_GE(names.size(), 26u);
    auto fingerprint = [](const OffscreenBuffer& b) {
        std::vector<GrafColor> pixels;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                pixels.push_back(b.PixelAt(x, y));
        return pixels;
    };
    std::vector<std::vector<GrafColor>> seen;
    for (const std::string& name : names) {
        OffscreenBuffer picture;
        ASSERT_TRUE(PaintLegendPicture(name, picture)) << name;
        EXPECT_GE(picture.Width(), HexGeometry::kHexWidth) << name;
        std::vector<GrafColor> pixels = fingerprint(picture);
        for (const auto& other : seen)
            EXPECT_NE(pixels, other) << name << " looks like another picture";
        seen.push_back(pixels);
    }
    // The ocean is the map's ocean.
    AtlMap map;
    map.SetHex(AtlCoord(0, 0), Hex(TerrainType::Ocean));
    OffscreenBuffer ocean, legend;
    ASSERT_TRUE(RenderPlain(map, 0, ocean));
    ASSERT_TRUE(PaintLegendPicture("ocean", legend));
    EXPECT_EQ(fingerprint(legend), fingerprint(ocean));
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    OffscreenGui gui;
    return RUN_ALL_TESTS();
}

// Units seen in an earlier month are drawn as the same markers, hollow: where the filled marker
// covers the terrain, the hollow one keeps its rim and ring and shows the terrain in its middle.
TEST(MapPainter, MarkersOfEarlierSightingsAreHollow) {
    for (uint32_t marker :
         {AtlHexData::HexOwnUnits, AtlHexData::HexOtherUnits, AtlHexData::HexAlliedUnits}) {
        OffscreenBuffer bare, filled, hollow;
        for (auto [buffer, flags] : {std::pair{&bare, 0u},
                                     {&filled, marker},
                                     {&hollow, marker | AtlHexData::HexEarlier}}) {
            AtlMap map;
            map.SetHex(AtlCoord(0, 0), Hex(TerrainType::Plain, "", flags));
            ASSERT_TRUE(RenderPlain(map, 0, *buffer));
        }
        int covered = 0, ring = 0, open = 0;
        for (int y = 0; y < bare.Height(); ++y)
            for (int x = 0; x < bare.Width(); ++x) {
                if (filled.PixelAt(x, y) == bare.PixelAt(x, y)) {
                    EXPECT_TRUE(hollow.PixelAt(x, y) == bare.PixelAt(x, y)) << x << "," << y;
                    continue;
                }
                ++covered;
                ring += hollow.PixelAt(x, y) == filled.PixelAt(x, y);
                open += hollow.PixelAt(x, y) == bare.PixelAt(x, y);
            }
        EXPECT_GT(covered, 20) << marker;
        EXPECT_GT(ring, covered / 3) << marker;
        EXPECT_GT(open, 3) << marker;
    }
}
