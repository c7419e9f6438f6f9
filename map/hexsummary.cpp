#include "map/hexsummary.h"

#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/levelname.h"
#include "model/location.h"

#include <string>

namespace {

// The sighting shown at c; an empty location where nothing is known.
const LocationNode& Shown(const AtlMap& map, const AtlCoord& c) {
    const AtlHexData* hex = map.GetHex(c);
    return hex ? hex->Location() : AtlHexData().Location();
}

} // namespace

Str HexSummary(const AtlMap& map, const AtlCoord& c) {
    Str text = AtlCoord(c.x, c.y).GetString();
    text += " ";
    text += LevelName(c.z).c_str();
    const LocationNode& loc = Shown(map, c);
    if (loc.terrain.IsDefault()) return text;
    text += ": ";
    text += loc.terrain.GetString();
    if (!loc.regionName.IsEmpty()) {
        text += " in ";
        text += loc.regionName;
    }
    return text;
}

Str HexTip(const AtlMap& map, const AtlCoord& c) {
    Str text = HexSummary(map, c);
    const LocationNode& loc = Shown(map, c);
    if (!loc.townName.IsEmpty()) {
        text += "\nTown: ";
        text += loc.townName;
        if (!loc.townType.IsEmpty()) {
            text += " [";
            text += loc.townType;
            text += "]";
        }
    }
    return text;
}
