#include "map/turnchanges.h"

#include "base/messagetext.h"
#include "map/hexdata.h"
#include "model/location.h"
#include "model/vexlordoc.h"

#include <algorithm>
#include <cstdlib>

int ChangeKindMessage(ChangeKind kind) {
    static constexpr int kWords[] = {Msg::ChangeExplored, Msg::ChangeArrived, Msg::ChangeLeft,
                                     Msg::ChangeBuilt,    Msg::ChangeRazed,   Msg::ChangeTown,
                                     Msg::ChangePeasants};
    return kWords[static_cast<int>(kind)];
}

const char* ChangeKindWord(ChangeKind kind) {
    return EnglishMessage(ChangeKindMessage(kind));
}

namespace {

std::string UnitText(const UnitNode& unit) {
    return std::string(unit.name.Get()) + " (" + std::to_string(unit.number) + ")";
}

std::string BuildingText(const BuildingNode& building) {
    return std::string(building.name.Get()) + " [" + std::to_string(building.number) + "]";
}

std::string TownText(const LocationNode& loc) {
    if (loc.townName.IsEmpty()) return EnglishMessage(Msg::ChangeNoTown);
    return std::string(loc.townName.Get()) + " [" + loc.townType.Get() + "]";
}

std::string FromTo(const std::string& before, const std::string& now) {
    return before + " -> " + now;
}

// Appends kind for each item of one list whose key the other lacks; both sorted by key.
template <class T, class Key, class Text>
void OneSided(const std::vector<T>& from, const std::vector<T>& other, Key key, Text text,
              const AtlCoord& coord, ChangeKind kind, std::vector<TurnChange>& out) {
    auto less = [&](const T& a, const T& b) { return key(a) < key(b); };
    for (const T& item : from)
        if (!std::binary_search(other.begin(), other.end(), item, less))
            out.push_back({coord, kind, text(item)});
}

std::vector<const UnitNode*> UnitsByNumber(const AtlHexData& hex) {
    std::vector<const UnitNode*> units;
    for (const HexUnit& seen : HexUnits(hex))
        units.push_back(seen.unit);
    std::sort(units.begin(), units.end(),
              [](const UnitNode* a, const UnitNode* b) { return a->number < b->number; });
    return units;
}

std::vector<const BuildingNode*> BuildingsByNumber(const LocationNode& loc) {
    std::vector<const BuildingNode*> buildings;
    for (const BuildingNode& building : loc.buildings)
        buildings.push_back(&building);
    std::sort(buildings.begin(), buildings.end(),
              [](const BuildingNode* a, const BuildingNode* b) { return a->number < b->number; });
    return buildings;
}

} // namespace

void CompareSightings(const AtlHexData& before, const AtlHexData& now,
                      std::vector<TurnChange>& out) {
    const LocationNode& was = before.Location();
    const LocationNode& is = now.Location();
    const AtlCoord coord = is.coord;

    const auto unitsBefore = UnitsByNumber(before), unitsNow = UnitsByNumber(now);
    auto unitKey = [](const UnitNode* u) { return u->number; };
    auto unitText = [](const UnitNode* u) { return UnitText(*u); };
    OneSided(unitsNow, unitsBefore, unitKey, unitText, coord, ChangeKind::Arrived, out);
    OneSided(unitsBefore, unitsNow, unitKey, unitText, coord, ChangeKind::Left, out);

    const auto buildingsBefore = BuildingsByNumber(was), buildingsNow = BuildingsByNumber(is);
    auto buildingKey = [](const BuildingNode* b) { return b->number; };
    auto buildingText = [](const BuildingNode* b) { return BuildingText(*b); };
    OneSided(buildingsNow, buildingsBefore, buildingKey, buildingText, coord, ChangeKind::Built,
             out);
    OneSided(buildingsBefore, buildingsNow, buildingKey, buildingText, coord, ChangeKind::Razed,
             out);

    if (!(was.townName == is.townName) || !(was.townType == is.townType))
        out.push_back({coord, ChangeKind::Town, FromTo(TownText(was), TownText(is))});

    // Peasants come and go a little every month; a player looks for a fifth or more.
    if (was.peasants >= 0 && is.peasants >= 0 && was.peasants != is.peasants &&
        5 * std::abs(static_cast<int64_t>(is.peasants) - was.peasants) >= was.peasants)
        out.push_back({coord, ChangeKind::Peasants,
                       FromTo(std::to_string(was.peasants), std::to_string(is.peasants))});
}

std::vector<TurnChange> TurnChanges(const VexlorDoc& doc, AtlDate month) {
    std::vector<TurnChange> changes;
    const SightingIndex& index = doc.Sightings();
    std::vector<HexSighting> sameNow, sameBefore;
    auto hexOf = [&](const SightingIndex::Shown& shown, std::vector<HexSighting>& same) {
        same.clear();
        index.ForEachSameMonth(shown, [&](const LocationNode& loc, int source) {
            same.push_back({&loc, source});
        });
        AtlHexData hex(*shown.loc, shown.seen, 0, shown.source);
        hex.SetSameMonth(&same);
        return hex;
    };
    index.ForEachSeenIn(month, [&](const SightingIndex::Shown& now,
                                   const SightingIndex::Shown* before) {
        if (!before) {
            const LocationNode& loc = *now.loc;
            changes.push_back({now.coord, ChangeKind::Explored,
                               EnglishMessage(Msg::ChangeExploredText,
                                              {loc.terrain.GetString().Get(), loc.regionName.Get()})
                                   .Get()});
            return;
        }
        CompareSightings(hexOf(*before, sameBefore), hexOf(now, sameNow), changes);
    });
    std::sort(changes.begin(), changes.end());
    return changes;
}

std::vector<AtlCoord> ChangedHexes(const std::vector<TurnChange>& changes) {
    std::vector<AtlCoord> hexes;
    for (const TurnChange& change : changes)
        hexes.push_back(change.coord);
    std::sort(hexes.begin(), hexes.end());
    hexes.erase(std::unique(hexes.begin(), hexes.end()), hexes.end());
    return hexes;
}
