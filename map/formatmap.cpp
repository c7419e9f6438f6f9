#include "map/formatmap.h"

#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/location.h"
#include "model/vexlordoc.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace {

// What the walk over the turns decides for one cell. Copying a sighting into a hex only to
// overwrite it with a later one is the costly part of a rebuild, so the walk only notes which
// sighting the hex would end up with and the flags it would gather; each hex is then copied
// once.
struct CellPlan {
    const LocationNode* source = nullptr; // null while nothing is known of the cell
    AtlDate seen;
    bool partial = false;
    bool guarded = false;
};

void Plan(CellPlan& plan, const LocationNode& loc, AtlDate turnDate) {
    bool full = !loc.IsPartial();
    if (!plan.source) {
        plan = {&loc, turnDate, !full, HasGuard(loc)};
        return;
    }
    if (full && (plan.seen < turnDate || plan.partial)) {
        plan.source = &loc;
        plan.seen = turnDate;
        if (!plan.guarded) plan.guarded = HasGuard(loc);
    }
    if (full) plan.partial = false;
}

uint64_t Key(const AtlCoord& c) {
    return (static_cast<uint64_t>(c.z) << 32) |
           (static_cast<uint64_t>(static_cast<uint16_t>(c.x)) << 16) | static_cast<uint16_t>(c.y);
}

} // namespace

void FormatMap(const VexlorDoc& doc, AtlMap& map, AtlDate date) {
    map.Clear();
    map.SetLearnedWidths(doc.Extras().levelWidths);
    map.SetDate(date);
    // Keyed by level, x and y, so that the plan is as large as what is known.
    std::unordered_map<uint64_t, CellPlan> plans;
    for (const TurnNode& turn : doc.Turns()) {
        if (turn.date > date) continue;
        for (const LocationNode& loc : turn.Locations())
            Plan(plans[Key(loc.coord)], loc, turn.date);
    }
    for (const auto& [key, plan] : plans) {
        auto hex = std::make_unique<AtlHexData>();
        hex->hexFlags = (plan.partial ? AtlHexData::HexPartial : 0u) |
                        (plan.guarded ? AtlHexData::HexGuarded : 0u);
        SetHexFromLoc(*hex, *plan.source, plan.seen);
        MarkUnits(*hex, doc.GetFaction().Number(), date);
        map.SetHex(plan.source->coord, std::move(hex));
    }
}
