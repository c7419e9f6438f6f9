#include "gfx/grafview.h"
#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "map/hexobjects.h"
#include "map/scrolldata.h"
#include "mapview/mappainter.h"
#include "mapview/maprender.h"
#include "mapview/objectpainter.h"
#include "model/building.h"
#include "model/location.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <utility>
#include <vector>

namespace {

// A plain hex at (0, 0) with the object lines given; the sightings last as long as the test
// program.
void PlainWith(AtlMap& map, std::vector<const char*> objects, uint32_t flags = 0) {
    static std::deque<LocationNode> sightings;
    LocationNode& loc = sightings.emplace_back();
    loc.terrain = TerrainType(TerrainType::Plain);
    for (const char* text : objects) {
        auto* node = new BuildingNode();
        node->text = text;
        loc.buildings.Add(node);
    }
    map.Clear();
    map.SetHex(AtlCoord(0, 0), AtlHexData(loc, AtlDate(), flags));
}

// The pixels of a rendered picture at which it differs from another of the same size.
std::vector<PixelPoint> Differences(const OffscreenBuffer& a, const OffscreenBuffer& b) {
    std::vector<PixelPoint> points;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!(a.PixelAt(x, y) == b.PixelAt(x, y))) points.push_back({x, y});
    return points;
}

// One hex at geometry's zoom, its picture's corner at the buffer's corner.
void PaintHex(const AtlMap& map, int step, OffscreenBuffer& buffer) {
    HexGeometry geometry;
    geometry.SetZoomStep(step);
    const HexMetrics& m = geometry.Metrics();
    ASSERT_TRUE(buffer.Resize(m.width + 1, m.height + 1));
    MapPainter painter(map, geometry);
    OffscreenBuffer::Painting painting(buffer);
    PixelRect all{0, 0, m.width + 1, m.height + 1};
    painting.View().FillRect(all, MapPainter::kBackground);
    painter.DrawHex1(painting.View(), AtlCoord(0, 0), {0, 0});
    painter.DrawHex2(painting.View(), AtlCoord(0, 0), {0, 0});
}

const std::map<ObjectKind, std::vector<const char*>> kLines = {
    {ObjectKind::Gate, {}},
    {ObjectKind::Shaft, {"Shaft, contains an inner location."}},
    {ObjectKind::Lair, {"Derelict Ship, closed to player units."}},
    {ObjectKind::Ship, {"Longship; 0% damaged; Load: 65/150; Sailors: 4/4; MaxSpeed: 4."}},
    {ObjectKind::Tower, {"Tower."}},
    {ObjectKind::Building, {"Inn, needs 1."}},
};

} // namespace

// Each kind of object draws a picture of its own, in the first place of the row below the
// middle of the hex and nowhere else; a second kind takes the next place.
TEST(ObjectPictures, EachKindHasAPictureOfItsOwnInItsPlace) {
    AtlMap map;
    PlainWith(map, {});
    OffscreenBuffer bare;
    ASSERT_TRUE(RenderPlain(map, 0, bare));
    // Each picture: its pixels' places and colours.
    std::vector<std::vector<std::pair<int, GrafColor>>> pictures;
    for (const auto& [kind, lines] : kLines) {
        PlainWith(map, lines, kind == ObjectKind::Gate ? AtlHexData::HexGate : 0);
        OffscreenBuffer drawn;
        ASSERT_TRUE(RenderPlain(map, 0, drawn));
        std::vector<PixelPoint> changed = Differences(bare, drawn);
        EXPECT_GE(changed.size(), 20u) << ObjectKindName(kind);
        for (PixelPoint p : changed)
            ASSERT_TRUE(p.x >= 7 && p.x < 16 && p.y >= 23 && p.y < 32)
                << ObjectKindName(kind) << " at " << p.x << "," << p.y;
        std::vector<std::pair<int, GrafColor>> picture;
        for (PixelPoint p : changed)
            picture.push_back({p.y * drawn.Width() + p.x, drawn.PixelAt(p.x, p.y)});
        for (const auto& other : pictures)
            EXPECT_NE(picture, other) << ObjectKindName(kind) << " looks like another kind";
        pictures.push_back(picture);
    }
    PlainWith(map, {"Tower.", "Shaft, contains an inner location."});
    OffscreenBuffer two;
    ASSERT_TRUE(RenderPlain(map, 0, two));
    int second = 0;
    for (PixelPoint p : Differences(bare, two))
        second += p.x >= 16 && p.x < 25 && p.y >= 23 && p.y < 32;
    EXPECT_GE(second, 20);
}

// A road is a track from the middle of the hex to the side it runs to, in the road's colour;
// the other sides stay as they were.
TEST(ObjectPictures, ARoadRunsTowardsItsSide) {
    AtlMap map;
    PlainWith(map, {});
    OffscreenBuffer bare;
    ASSERT_TRUE(RenderPlain(map, 0, bare));
    PlainWith(map, {"Road N.", "Road SE, needs 25."});
    OffscreenBuffer roads;
    ASSERT_TRUE(RenderPlain(map, 0, roads));
    auto track = [&](int x, int y) { return roads.PixelAt(x, y) == ObjectPainter::kRoad; };
    EXPECT_TRUE(track(25, 10));  // north
    EXPECT_TRUE(track(34, 26));  // southeast: towards (43, 31)
    EXPECT_FALSE(track(25, 32)); // south
    EXPECT_FALSE(track(16, 16)); // northwest
    EXPECT_EQ(roads.PixelAt(25, 32), bare.PixelAt(25, 32));
}

// Pictures show from three quarters of actual size up and roads from half size; below, the
// hex is left as it is without them, at every zoom step.
TEST(ObjectPictures, LeftOutWhereTheHexIsTooSmall) {
    for (int step = 0; step < HexGeometry::kZoomStepCount; ++step) {
        const int percent = HexGeometry::kZoomSteps[step].percent;
        AtlMap map;
        OffscreenBuffer bare, tower, road;
        PlainWith(map, {});
        PaintHex(map, step, bare);
        PlainWith(map, {"Tower."});
        PaintHex(map, step, tower);
        PlainWith(map, {"Road N."});
        PaintHex(map, step, road);
        EXPECT_EQ(Differences(bare, tower).empty(), percent < ObjectPainter::kSmallestPictureZoom)
            << "step " << step;
        EXPECT_EQ(Differences(bare, road).empty(), percent < ObjectPainter::kSmallestRoadZoom)
            << "step " << step;
    }
}
