#include "mapview/legend.h"

#include "gfx/grafview.h"
#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "mapview/mappainter.h"
#include "mapview/maprender.h"
#include "model/location.h"

#include <string>

bool PaintLegendPicture(std::string_view name, OffscreenBuffer& picture) {
    if (name == "background") {
        if (!picture.Resize(HexGeometry::kHexWidth, HexGeometry::kHexHeight)) return false;
        OffscreenBuffer::Painting painting(picture);
        painting.View().FillRect({0, 0, picture.Width(), picture.Height()},
                                 MapPainter::kBackground);
        return true;
    }
    AtlMap map;
    map.Clear();
    const AtlCoord hex(0, 0);
    if (name == "unknown") return RenderPlain(map, 0, picture);
    // Markers, names and the outline stand on a plain.
    LocationNode loc;
    loc.terrain = TerrainType(TerrainType::Plain);
    uint32_t flags = 0;
    if (name == "partial") flags = AtlHexData::HexPartial;
    if (name == "guard") flags = AtlHexData::HexGuarded;
    if (name == "own") flags = AtlHexData::HexOwnUnits;
    if (name == "other") flags = AtlHexData::HexOtherUnits;
    if (name == "allied") flags = AtlHexData::HexAlliedUnits;
    if (name == "hollow")
        flags = AtlHexData::HexOwnUnits | AtlHexData::HexOtherUnits | AtlHexData::HexEarlier;
    if (name == "town") loc.townName = "Oyo";
    if (!flags && name != "town" && name != "selected") {
        // A terrain, by the report's word: the painter picks its picture.
        loc.terrain = TerrainType(std::string(name).c_str());
        for (int t = 1; t < TerrainType::kKnownCount; ++t)
            if (TerrainType(static_cast<TerrainType::Type>(t)).GetString().View() == name)
                loc.terrain = TerrainType(static_cast<TerrainType::Type>(t));
    }
    map.SetHex(hex, AtlHexData(loc, AtlDate(), flags));
    if (name == "selected") map.SelectHex(hex, true);
    return RenderPlain(map, 0, picture);
}
