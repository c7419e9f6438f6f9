#include "map/hexdata.h"

#include "model/location.h"

void SetHexFromLoc(AtlHexData& hex, const LocationNode& loc, AtlDate date) {
    hex.terrain = loc.terrain;
    hex.regionName = loc.regionName;
    hex.townName = loc.townName;
    hex.townKind = loc.townType;
    hex.peasants = loc.peasants;
    hex.peasantRace = loc.peasantRace;
    hex.taxes = loc.silver;
    hex.seenDate = date;
    hex.wages = loc.wages;
    hex.maxWages = loc.maxWages;
    hex.entertainment = loc.entertainment;
    hex.wanted.CopyFrom(loc.wanted);
    hex.forSale.CopyFrom(loc.forSale);
    hex.products.CopyFrom(loc.products);
    hex.units.CopyFrom(loc.units);
    hex.buildings.CopyFrom(loc.buildings);
    if (HasGuard(loc)) hex.hexFlags |= AtlHexData::HexGuarded;
}

void MarkUnits(AtlHexData& hex, int own, AtlDate shown) {
    hex.hexFlags &= ~(AtlHexData::HexOwnUnits | AtlHexData::HexOtherUnits);
    for (const UnitNode& unit : hex.units) {
        if (own != 0 && unit.faction.Number() == own) {
            // Where the player's units stood in an earlier report is no longer where they are.
            if (hex.seenDate == shown) hex.hexFlags |= AtlHexData::HexOwnUnits;
        } else {
            hex.hexFlags |= AtlHexData::HexOtherUnits;
        }
    }
}

bool HasGuard(const LocationNode& loc) {
    for (const UnitNode& unit : loc.units)
        if (unit.flags & UnitNode::OnGuard) return true;
    return false;
}
