#include "mapview/maprender.h"

#include "gfx/grafview.h"
#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "map/scrolldata.h"
#include "map/storedarea.h"
#include "mapview/mappainter.h"
#include "mapview/shadepaint.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Between the hexes (and their names) and the legend beside them.
constexpr int kLegendGap = 12;

// The legend's size, measured with the font the picture will use.
PixelPoint LegendSize(const ShadeMap& shade) {
    OffscreenBuffer scratch;
    if (!scratch.Resize(1, 1)) return {};
    OffscreenBuffer::Painting painting(scratch);
    return ShadeLegendSize(painting.View(), shade);
}

} // namespace

bool RenderPlain(const AtlMap& map, int z, OffscreenBuffer& buffer, const ShadeMap* shade) {
    // A level the map holds nothing of is one unknown hex.
    const AtlPlain* plain = map.GetPlain(z);
    HexArea area = plain ? StoredArea(*plain, plain->WrapWidth()) : HexArea();
    HexGeometry geometry(area.wrapWidth);
    ScrollData scroll;
    scroll.column = area.column;
    scroll.row = area.row;
    MapPainter painter(map, geometry);
    painter.SetShade(shade);
    // The hexes, with the pixel their right and bottom borders are drawn on.
    PixelRect hexes{0, 0, area.PixelWidth() + 1, area.PixelHeight() + 1};
    // Names of the first and last columns may reach beyond the hexes: the picture grows to
    // hold them whole.
    PixelRect whole = hexes;
    std::vector<HexPlace> places;
    int lastCorner = (area.columns - 1) * HexGeometry::kColumnStep;
    for (const HexPlace& place : geometry.PlacesIn(hexes, scroll, z)) {
        if (place.corner.x < 0 || place.corner.x > lastCorner) continue; // beside the area
        std::optional<PixelRect> name = painter.NameBox(place.hex, place.corner);
        if (!name || (name->left >= 0 && name->right <= hexes.right)) continue;
        places.push_back(place);
        whole.left = std::min(whole.left, name->left);
        whole.right = std::max(whole.right, name->right);
    }
    PixelPoint legendAt{whole.right + kLegendGap, whole.top};
    if (shade) {
        PixelPoint size = LegendSize(*shade);
        whole.right = legendAt.x + size.x + kLegendGap;
        whole.bottom = std::max(whole.bottom, legendAt.y + size.y);
    }
    if (!buffer.Resize(whole.Width(), whole.Height())) return false;
    OffscreenBuffer::Painting painting(buffer);
    GrafView& view = painting.View();
    view.Translate(-whole.left, -whole.top);
    view.FillRect(whole, MapPainter::kBackground);
    painter.Draw(view, hexes, z, scroll);
    // Beside the hexes only those names.
    for (PixelRect side : {PixelRect{whole.left, whole.top, hexes.left, whole.bottom},
                           PixelRect{hexes.right, whole.top, whole.right, whole.bottom}}) {
        if (side.IsEmpty()) continue;
        view.SaveState();
        view.IntersectClipRect(side);
        for (const HexPlace& place : places)
            painter.DrawHex2(view, place.hex, place.corner);
        view.RestoreState();
    }
    if (shade) DrawShadeLegend(view, *shade, legendAt);
    return true;
}

bool RenderPart(const AtlMap& map, const HexGeometry& geometry, const ScrollData& scroll, int z,
                const PixelRect& box, OffscreenBuffer& buffer) {
    if (box.IsEmpty() || !buffer.Resize(box.Width(), box.Height())) return false;
    MapPainter painter(map, geometry);
    OffscreenBuffer::Painting painting(buffer);
    painting.View().Translate(-box.left, -box.top);
    painter.Draw(painting.View(), box, z, scroll);
    return true;
}
