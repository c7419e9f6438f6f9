#include "map/hexdata.h"

#include "model/location.h"

#include <algorithm>
#include <unordered_map>

const LocationNode& AtlHexData::Location() const {
    static const LocationNode nothing;
    return loc_ ? *loc_ : nothing;
}

bool UnitOwners::IsAlly(int faction) const {
    return std::binary_search(allies.begin(), allies.end(), faction);
}

std::vector<HexUnit> HexUnits(const AtlHexData& hex) {
    std::vector<HexUnit> units;
    for (const UnitNode& unit : hex.Location().units)
        units.push_back({&unit, hex.source});
    if (hex.SameMonth().empty()) return units;
    std::unordered_map<int32_t, size_t> listed; // unit number -> its place in units
    for (size_t i = 0; i < units.size(); ++i)
        listed.try_emplace(units[i].unit->number, i);
    for (const HexSighting& other : hex.SameMonth())
        for (const UnitNode& unit : other.loc->units) {
            auto [at, isNew] = listed.try_emplace(unit.number, units.size());
            if (isNew) {
                units.push_back({&unit, other.source});
                continue;
            }
            // Its owner's report says the most; any report that names its faction more than
            // one that does not.
            HexUnit& held = units[at->second];
            const int owner = unit.faction.Number();
            if ((owner == other.source && held.source != owner) ||
                (held.unit->faction.Number() == 0 && owner != 0))
                held = {&unit, other.source};
        }
    return units;
}

void MarkUnits(AtlHexData& hex, const UnitOwners& owners, AtlDate shown) {
    hex.hexFlags &= ~(AtlHexData::HexOwnUnits | AtlHexData::HexAlliedUnits |
                      AtlHexData::HexOtherUnits | AtlHexData::HexEarlier);
    if (hex.seenDate < shown) hex.hexFlags |= AtlHexData::HexEarlier;
    auto mark = [&](const UnitNode& unit) {
        int faction = unit.faction.Number();
        if (owners.IsOwn(faction)) {
            // Where the player's units stood in an earlier report is no longer where they are.
            if (hex.seenDate == shown) hex.hexFlags |= AtlHexData::HexOwnUnits;
        } else if (owners.IsAlly(faction)) {
            hex.hexFlags |= AtlHexData::HexAlliedUnits;
        } else {
            hex.hexFlags |= AtlHexData::HexOtherUnits;
        }
    };
    if (hex.SameMonth().empty()) {
        for (const UnitNode& unit : hex.Location().units)
            mark(unit);
        return;
    }
    // Each unit as its most telling report has it: a faction one report hides, another names.
    for (const HexUnit& seen : HexUnits(hex))
        mark(*seen.unit);
}
