#include "map/formatmap.h"

#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/location.h"
#include "model/vexlordoc.h"

#include <memory>
#include <vector>

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

} // namespace

void FormatMap(const VexlorDoc& doc, AtlMap& map, AtlDate date) {
    map.Clear();
    std::vector<CellPlan> plans[2];
    for (int z = 0; z < 2; ++z) {
        const AtlPlain& plain = *map.GetPlain(z);
        plans[z].resize(static_cast<size_t>(plain.Width()) * static_cast<size_t>(plain.Height()));
    }

    for (const TurnNode& turn : doc.Turns()) {
        if (turn.date > date) continue;
        for (const LocationNode& loc : turn.Locations()) {
            AtlPlain* plain = map.GetPlain(loc.coord.z);
            if (!plain) continue;
            int index = plain->CellIndex(loc.coord);
            if (index < 0) {
                plain->SetHex(loc.coord, nullptr); // not stored; the scroll extent still grows
                continue;
            }
            Plan(plans[loc.coord.z][static_cast<size_t>(index)], loc, turn.date);
        }
    }

    for (int z = 0; z < 2; ++z) {
        AtlPlain& plain = *map.GetPlain(z);
        for (size_t i = 0; i < plans[z].size(); ++i) {
            const CellPlan& plan = plans[z][i];
            if (!plan.source) continue;
            auto hex = std::make_unique<AtlHexData>();
            hex->hexFlags = (plan.partial ? AtlHexData::HexPartial : 0u) |
                            (plan.guarded ? AtlHexData::HexGuarded : 0u);
            SetHexFromLoc(*hex, *plan.source, plan.seen);
            MarkUnits(*hex, doc.GetFaction().Number(), date);
            plain.SetHex(plain.CellCoord(static_cast<int>(i)), std::move(hex));
        }
    }
}
