#include "map/nameplace.h"

#include "map/atlmap.h"
#include "map/hexgeometry.h"

namespace {

PixelRect Moved(PixelRect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// The neighbouring hexes whose pictures a box reaching `reach` pixels beside c's picture may
// meet, by their offset in columns and rows from c (x + y stays even).
template <typename Visit>
void ForEachNear(const AtlMap& map, const HexGeometry& geometry, const AtlCoord& c, int reach,
                 int rowReach, Visit visit) {
    const HexMetrics& m = geometry.Metrics();
    int columns = (reach + m.width) / m.ColumnStep() + 1;
    for (int dy = -rowReach; dy <= rowReach; ++dy)
        for (int dx = -columns; dx <= columns; ++dx) {
            if ((dx + dy) % 2 != 0) continue;
            AtlCoord other(geometry.WrapX(c.x + dx), c.y + dy, c.z);
            if (const AtlHexData* hex = map.GetHex(other))
                visit(other, *hex, PixelPoint{dx * m.ColumnStep(), dy * m.RowStep()});
        }
}

// The first place of the name that covers no marker, without regard to other names.
std::optional<PixelRect> ClearOfMarkers(const AtlMap& map, const HexGeometry& geometry,
                                        const AtlCoord& c, const AtlHexData& hex,
                                        const HexPictures& pictures) {
    PixelPoint size = pictures.NameSize(hex);
    if (size.x <= 0 || size.y <= 0) return std::nullopt;
    const HexMetrics& m = geometry.Metrics();
    // Centred; the rim lies one pixel out.
    PixelRect centred{m.width / 2 - (size.x + 1) / 2, m.height / 2 - 1, 0, 0};
    centred.right = centred.left + size.x;
    centred.bottom = centred.top + size.y;
    std::vector<PixelRect> markers, boxes;
    int reach = (size.x - m.width) / 2 + 1;
    ForEachNear(map, geometry, c, reach > 0 ? reach : 0, 2,
                [&](const AtlCoord&, const AtlHexData& near, PixelPoint offset) {
                    boxes.clear();
                    pictures.MarkerBoxes(near, boxes);
                    for (const PixelRect& b : boxes)
                        markers.push_back(Moved(b, offset.x, offset.y));
                });
    for (int shift : {0, -size.y, size.y}) {
        PixelRect place = Moved(centred, 0, shift);
        bool covers = false;
        for (const PixelRect& marker : markers)
            covers = covers || place.Intersects(marker);
        if (!covers) return place;
    }
    return std::nullopt;
}

} // namespace

std::optional<PixelRect> PlaceTownName(const AtlMap& map, const HexGeometry& geometry,
                                       const AtlCoord& c, const HexPictures& pictures) {
    const AtlHexData* hex = map.GetHex(c);
    if (!hex) return std::nullopt;
    std::optional<PixelRect> place = ClearOfMarkers(map, geometry, c, *hex, pictures);
    if (!place) return place;
    // Names of towns that come first and lie near enough to meet this one.
    int reach = place->Width() / 2 + pictures.NameReach();
    bool overlaps = false;
    ForEachNear(map, geometry, c, reach, 2,
                [&](const AtlCoord& other, const AtlHexData& near, PixelPoint offset) {
                    if (overlaps || offset == PixelPoint{}) return;
                    // Order by the offset, not by coordinates, so that the rule reads the
                    // same on both sides of the world's wrap.
                    bool first = offset.y < 0 || (offset.y == 0 && offset.x < 0);
                    if (!first) return;
                    std::optional<PixelRect> theirs =
                        ClearOfMarkers(map, geometry, other, near, pictures);
                    if (theirs && place->Intersects(Moved(*theirs, offset.x, offset.y)))
                        overlaps = true;
                });
    if (overlaps) return std::nullopt;
    return place;
}
