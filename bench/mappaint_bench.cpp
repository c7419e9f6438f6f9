#include "gfx/offscreen.h"
#include "gfx/offscreengui.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "map/minimap.h"
#include "map/scrolldata.h"
#include "mapview/mappainter.h"
#include "mapview/minimappicture.h"
#include "model/location.h"

#include <benchmark/benchmark.h>

#include <deque>

namespace {

// A 64 x 64 world with every hex known: all terrains, a town in every seventh hex, guards
// and partly known hexes scattered over it.
void FillWorld(AtlMap& map) {
    static const char* const kNames[] = {"Oyo", "Verdorf", "Mun-a-karak", "A'vespol", "Brimsordon"};
    // The sightings the hexes show; they last as long as the program.
    static std::deque<LocationNode> sightings;
    map.Clear();
    for (int y = 0; y < 64; ++y)
        for (int x = y % 2; x < 64; x += 2) {
            int n = x * 7 + y * 3;
            LocationNode& loc = sightings.emplace_back();
            loc.terrain = TerrainType(static_cast<TerrainType::Type>(1 + n % 11));
            if (n % 7 == 0) loc.townName = kNames[(n / 7) % 5];
            AtlHexData hex(loc, AtlDate());
            if (n % 5 == 0) hex.hexFlags |= AtlHexData::HexGuarded;
            if (n % 9 == 0) hex.hexFlags |= AtlHexData::HexPartial;
            if (n % 4 == 0) hex.hexFlags |= AtlHexData::HexOtherUnits;
            if (n % 13 == 0) hex.hexFlags |= AtlHexData::HexOwnUnits;
            map.SetHex(AtlCoord(x, y), hex);
        }
    map.SelectHex(AtlCoord(30, 20), true);
}

// The map window's full repaint at 1920 x 1080, scrolled across the wrap.
void BM_FullRepaint1080p(benchmark::State& state) {
    OffscreenGui gui;
    AtlMap map;
    FillWorld(map);
    HexGeometry geometry;
    MapPainter painter(map, geometry);
    ScrollData scroll;
    scroll.Setup(1920, 1080, 64, 64, HexGeometry::kWrapWidth);
    scroll.column = 40;
    scroll.row = 5;
    OffscreenBuffer buffer;
    buffer.Resize(1920, 1080);
    for (auto _ : state) {
        OffscreenBuffer::Painting painting(buffer);
        painter.Draw(painting.View(), {0, 0, 1920, 1080}, 0, scroll);
    }
}
BENCHMARK(BM_FullRepaint1080p)->Unit(benchmark::kMillisecond);

// The full repaint at 1920 x 1080 at zoom steps 25%, 50%, 100% and 200%, on an ordinary
// screen (1) and on one of two device pixels to the pixel (2).
void BM_FullRepaintZoomed(benchmark::State& state) {
    OffscreenGui gui;
    AtlMap map;
    FillWorld(map);
    HexGeometry geometry;
    geometry.SetZoomStep(static_cast<int>(state.range(0)));
    double dpr = static_cast<double>(state.range(1));
    MapPainter painter(map, geometry);
    painter.SetDevicePixelRatio(dpr);
    ScrollData scroll;
    scroll.Setup(1920, 1080, 64, 64, HexGeometry::kWrapWidth, geometry.Metrics());
    OffscreenBuffer buffer;
    buffer.Resize(1920, 1080, dpr);
    for (auto _ : state) {
        OffscreenBuffer::Painting painting(buffer);
        painter.Draw(painting.View(), {0, 0, 1920, 1080}, 0, scroll);
    }
}
BENCHMARK(BM_FullRepaintZoomed)->ArgsProduct({{0, 2, 4, 6}, {1, 2}})->Unit(benchmark::kMillisecond);

// A step of the zoom: the pictures made again for the new step, then the full repaint.
void BM_ZoomStepChange(benchmark::State& state) {
    OffscreenGui gui;
    AtlMap map;
    FillWorld(map);
    HexGeometry geometry;
    MapPainter painter(map, geometry);
    ScrollData scroll;
    OffscreenBuffer buffer;
    buffer.Resize(1920, 1080);
    int step = 0;
    for (auto _ : state) {
        step = step == 3 ? 4 : 3;
        geometry.SetZoomStep(step);
        scroll.Setup(1920, 1080, 64, 64, HexGeometry::kWrapWidth, geometry.Metrics());
        OffscreenBuffer::Painting painting(buffer);
        painter.Draw(painting.View(), {0, 0, 1920, 1080}, 0, scroll);
    }
}
BENCHMARK(BM_ZoomStepChange)->Unit(benchmark::kMillisecond);

// A click on another hex: the two hexes whose selection changed are redrawn.
void BM_SelectionChangeRepaint(benchmark::State& state) {
    OffscreenGui gui;
    AtlMap map;
    FillWorld(map);
    HexGeometry geometry;
    MapPainter painter(map, geometry);
    ScrollData scroll;
    scroll.Setup(1920, 1080, 64, 64, HexGeometry::kWrapWidth);
    OffscreenBuffer buffer;
    buffer.Resize(1920, 1080);
    const AtlCoord hexes[] = {AtlCoord(10, 10), AtlCoord(11, 11)};
    for (auto _ : state) {
        OffscreenBuffer::Painting painting(buffer);
        for (const AtlCoord& c : hexes)
            for (PixelPoint corner : geometry.HexCorners(c, scroll))
                painter.Draw(painting.View(), HexGeometry().RedrawRect(corner), 0, scroll);
    }
}
BENCHMARK(BM_SelectionChangeRepaint)->Unit(benchmark::kMicrosecond);

// The minimap of the 64 x 64 world (2,048 hexes) in a panel of 260 x 260 pixels.
struct MinimapOfWorld {
    OffscreenGui gui;
    AtlMap map;
    HexGeometry geometry;
    MapPainter painter{map, geometry};
    MinimapLayout layout;
    MinimapPicture picture;
    MinimapOfWorld() {
        FillWorld(map);
        layout = MinimapLayout::OfLevel(map.GetPlain(0), 64, 260, 260);
        picture.Render(map, 0, layout, painter, 260, 260, 1);
    }
};

// Its patches drawn again: another turn or level.
void BM_MinimapPatches(benchmark::State& state) {
    MinimapOfWorld world;
    for (auto _ : state)
        world.picture.Render(world.map, 0, world.layout, world.painter, 260, 260, 1);
}
BENCHMARK(BM_MinimapPatches)->Unit(benchmark::kMillisecond);

// Its picture copied with the view's frame over it: a scroll of the map.
void BM_MinimapFrame(benchmark::State& state) {
    MinimapOfWorld world;
    ScrollData scroll;
    scroll.Setup(1920, 1080, 64, 64, HexGeometry::kWrapWidth);
    OffscreenBuffer window;
    window.Resize(260, 260);
    for (auto _ : state) {
        scroll.column = (scroll.column + 1) % 64;
        OffscreenBuffer::Painting painting(window);
        world.picture.Draw(painting.View(), {0, 0, 260, 260},
                           world.layout.ViewPieces(scroll, world.geometry, 1920, 1080));
    }
}
BENCHMARK(BM_MinimapFrame)->Unit(benchmark::kMicrosecond);

} // namespace
