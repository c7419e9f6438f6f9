#include "map/formatmap.h"

#include "map/atlmap.h"
#include "model/location.h"
#include "model/turnextras.h"
#include "model/vexlordoc.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

// Each own unit's newest sighting among the hexes on show: unit number -> its date.
using NewestSightings = std::unordered_map<int32_t, int32_t>;

// Notes hex's own units; true when it holds any.
bool NoteOwnUnits(const AtlHexData& hex, int own, NewestSightings& newest) {
    bool any = false;
    for (const HexUnit& seen : HexUnits(hex)) {
        if (seen.unit->faction.Number() != own) continue;
        auto [at, isNew] = newest.try_emplace(seen.unit->number, hex.seenDate.Value());
        if (!isNew && at->second < hex.seenDate.Value()) at->second = hex.seenDate.Value();
        any = true;
    }
    return any;
}

// Marks own units at the earlier sightings that are the newest known place of one of them.
void MarkNewestOwnPlaces(AtlMap& map, int own, const NewestSightings& newest,
                         const std::vector<AtlCoord>& earlier) {
    for (const AtlCoord& c : earlier) {
        AtlHexData& hex = *map.GetHex(c);
        for (const HexUnit& seen : HexUnits(hex))
            if (seen.unit->faction.Number() == own &&
                newest.at(seen.unit->number) == hex.seenDate.Value())
                hex.hexFlags |= AtlHexData::HexOwnUnits;
    }
}

// Whether the region's block in the turn of its sighting named a gate. The extras of each
// turn are looked up once per map.
class GateFinder {
public:
    explicit GateFinder(const VexlorDoc& doc) : doc_(doc) {}
    bool HasGate(const SightingIndex::Shown& shown) {
        if (shown.partial) return false;
        auto [at, isNew] = gates_.try_emplace({shown.source, shown.seen.Value()}, nullptr);
        if (isNew) at->second = GatesOf(shown.source, shown.seen);
        return at->second &&
               std::binary_search(at->second->begin(), at->second->end(), shown.coord);
    }

private:
    // The gates the report of source named in the month seen: the player's or an ally's.
    const std::vector<AtlCoord>* GatesOf(int source, AtlDate seen) const {
        const VexlorDoc* from = &doc_;
        if (source != doc_.GetFaction().Number())
            if (const AllyMap* ally = doc_.Extras().allies.Find(source)) from = ally->doc.get();
        const TurnNode* turn = from->FindTurn(seen);
        return turn ? &turn->extras.GateHexes() : nullptr;
    }

    const VexlorDoc& doc_;
    std::map<std::pair<int, int32_t>, const std::vector<AtlCoord>*> gates_;
};

} // namespace

UnitOwners OwnersOf(const VexlorDoc& doc) {
    UnitOwners owners(doc.GetFaction().Number());
    for (const auto& ally : doc.Extras().allies.All())
        owners.allies.push_back(ally->doc->GetFaction().Number());
    return owners;
}

void FormatMap(const VexlorDoc& doc, AtlMap& map, AtlDate date, OwnUnitPlaces places) {
    map.Clear();
    map.SetLearnedWidths(doc.KnownWidths());
    map.SetDate(date);
    map.SetNotes(&doc.Extras().notes);
    const UnitOwners owners = OwnersOf(doc);
    const int own = owners.own;
    const bool newestKnown = places == OwnUnitPlaces::NewestKnown && own != 0;
    NewestSightings newest;
    std::vector<AtlCoord> earlierOwn; // earlier sightings with own units, for newestKnown
    GateFinder gates(doc);
    // The index names the one sighting each hex shows, so the cost does not grow with the
    // number of turns.
    const SightingIndex& index = doc.Sightings();
    index.ForEachAt(date, [&](const SightingIndex::Shown& shown) {
        AtlHexData hex(*shown.loc, shown.seen,
                       (shown.partial ? AtlHexData::HexPartial : 0u) |
                           (shown.guarded ? AtlHexData::HexGuarded : 0u) |
                           (gates.HasGate(shown) ? AtlHexData::HexGate : 0u),
                       shown.source);
        if (shown.sameMonthCount != 0) {
            std::vector<HexSighting> others;
            index.ForEachSameMonth(shown, [&others](const LocationNode& loc, int source) {
                others.push_back({&loc, source});
            });
            hex.SetSameMonth(map.KeepSightings(std::move(others)));
        }
        MarkUnits(hex, owners, date);
        if (newestKnown && NoteOwnUnits(hex, own, newest) && hex.Has(AtlHexData::HexEarlier))
            earlierOwn.push_back(shown.coord);
        map.SetHex(shown.coord, hex);
    });
    if (!earlierOwn.empty()) MarkNewestOwnPlaces(map, own, newest, earlierOwn);
}
