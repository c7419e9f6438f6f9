#include "map/hexsummary.h"

#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/levelname.h"

#include <string>

namespace {

const AtlHexData* KnownHex(const AtlMap& map, const AtlCoord& c) {
    const AtlHexData* hex = map.GetHex(c);
    return hex && !hex->Has(AtlHexData::HexPlaceholder) ? hex : nullptr;
}

} // namespace

Str HexSummary(const AtlMap& map, const AtlCoord& c) {
    Str text = AtlCoord(c.x, c.y).GetString();
    text += " ";
    text += LevelName(c.z).c_str();
    const AtlHexData* hex = KnownHex(map, c);
    if (!hex || hex->terrain.IsDefault()) return text;
    text += ": ";
    text += hex->terrain.GetString();
    if (!hex->regionName.IsEmpty()) {
        text += " in ";
        text += hex->regionName;
    }
    return text;
}

Str HexTip(const AtlMap& map, const AtlCoord& c) {
    Str text = HexSummary(map, c);
    const AtlHexData* hex = KnownHex(map, c);
    if (hex && !hex->townName.IsEmpty()) {
        text += "\nTown: ";
        text += hex->townName;
        if (!hex->townKind.IsEmpty()) {
            text += " [";
            text += hex->townKind;
            text += "]";
        }
    }
    return text;
}
