#include "map/hexdata.h"

#include "model/location.h"

const LocationNode& AtlHexData::Location() const {
    static const LocationNode nothing;
    return loc_ ? *loc_ : nothing;
}

void MarkUnits(AtlHexData& hex, int own, AtlDate shown) {
    hex.hexFlags &= ~(AtlHexData::HexOwnUnits | AtlHexData::HexOtherUnits | AtlHexData::HexEarlier);
    if (hex.seenDate < shown) hex.hexFlags |= AtlHexData::HexEarlier;
    for (const UnitNode& unit : hex.Location().units) {
        if (own != 0 && unit.faction.Number() == own) {
            // Where the player's units stood in an earlier report is no longer where they are.
            if (hex.seenDate == shown) hex.hexFlags |= AtlHexData::HexOwnUnits;
        } else {
            hex.hexFlags |= AtlHexData::HexOtherUnits;
        }
    }
}
