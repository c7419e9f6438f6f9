#include "vexlor/homehex.h"

#include "model/vexlordoc.h"

bool HomeHex(const VexlorDoc& doc, AtlDate date, AtlCoord& home) {
    const TurnNode* turn = doc.LastTurn();
    while (turn && turn->date > date)
        turn = turn->Prev();
    if (!turn) return false;
    const LocationNode* seen = nullptr;
    for (const LocationNode& loc : turn->Locations()) {
        // Every faction begins in the nexus; the world is what the player wants to see.
        if (loc.IsPartial() || loc.coord.z == 2) continue;
        for (const UnitNode& unit : loc.units)
            if (unit.faction == doc.GetFaction()) {
                home = loc.coord;
                return true;
            }
        if (!seen) seen = &loc;
    }
    if (seen) home = seen->coord;
    return seen != nullptr;
}
