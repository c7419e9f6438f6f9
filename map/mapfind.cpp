#include "map/mapfind.h"

#include "base/textutil.h"
#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/coordtext.h"
#include "model/hexnotes.h"
#include "model/levelname.h"
#include "model/location.h"

#include <algorithm>
#include <cstdint>

namespace {

Str Lower(const Str& text) {
    Str lower(text);
    lower.Lwr();
    return lower;
}

bool Holds(const Str& name, const Str& lowerNeedle) {
    return !name.IsEmpty() && Lower(name).View().find(lowerNeedle.View()) != std::string::npos;
}

Str UnitText(const UnitNode& unit) {
    Str text(unit.name);
    text += " (";
    text.AppendNumber(unit.number);
    text += ")";
    return text;
}

Str BuildingText(const BuildingNode& building) {
    Str text(building.name);
    text += " [";
    text.AppendNumber(building.number);
    text += "]";
    return text;
}

// Calls f(coord, hex) for every hex the map holds, known or selected empty ground alike.
template <typename F> void ForEachHex(const AtlMap& map, F f) {
    for (int z : map.Levels())
        map.GetPlain(z)->ForEachHexInRowOrder(f);
}

bool Known(const AtlHexData& hex) {
    return !hex.Has(AtlHexData::HexPlaceholder);
}

} // namespace

const char* FindKindName(FindKind kind) {
    switch (kind) {
    case FindKind::Region:
        return "region";
    case FindKind::Town:
        return "town";
    case FindKind::Unit:
        return "unit";
    case FindKind::Building:
        return "building";
    case FindKind::Note:
        return "note";
    default:
        return "hex";
    }
}

namespace {

bool NewestFirst(const FindMatch& a, const FindMatch& b) {
    if (a.seen != b.seen) return a.seen > b.seen;
    if (a.coord != b.coord) return a.coord < b.coord;
    return a.kind < b.kind;
}

void FindByName(const AtlMap& map, const std::string& query, std::vector<FindMatch>& matches) {
    Str needle = Lower(Str(query));
    ForEachHex(map, [&](const AtlCoord& c, const AtlHexData& hex) {
        const LocationNode& loc = hex.Location();
        AtlDate seen = hex.seenDate;
        if (Holds(loc.regionName, needle))
            matches.push_back({c, FindKind::Region, loc.regionName, seen});
        if (Holds(loc.townName, needle)) matches.push_back({c, FindKind::Town, loc.townName, seen});
        for (const UnitNode& unit : loc.units)
            if (Holds(unit.name, needle))
                matches.push_back({c, FindKind::Unit, UnitText(unit), seen, unit.number});
        for (const BuildingNode& building : loc.buildings)
            if (Holds(building.name, needle))
                matches.push_back({c, FindKind::Building, BuildingText(building), seen});
    });
}

// The level's newest known hexes, at most kLevelHexesFound of them.
void FindLevel(const AtlMap& map, int z, std::vector<FindMatch>& matches) {
    const AtlPlain* plain = map.GetPlain(z);
    if (!plain) return;
    std::vector<FindMatch> level;
    plain->ForEachHexInRowOrder([&](const AtlCoord& c, const AtlHexData& hex) {
        if (Known(hex)) level.push_back({c, FindKind::Hex, c.GetString(), hex.seenDate});
    });
    size_t kept = std::min(level.size(), kLevelHexesFound);
    std::partial_sort(level.begin(), level.begin() + static_cast<ptrdiff_t>(kept), level.end(),
                      NewestFirst);
    matches.insert(matches.end(), level.begin(), level.begin() + static_cast<ptrdiff_t>(kept));
}

// The first line of each note that holds the text.
void FindNotes(const AtlMap& map, const std::string& query, std::vector<FindMatch>& matches) {
    if (!map.Notes()) return;
    Str needle = Lower(Str(query));
    for (const auto& [c, note] : map.Notes()->All())
        for (std::string_view line : NoteLines(note.text.View()))
            if (Holds(Str(line), needle)) {
                matches.push_back({c, FindKind::Note, Str(line), map.Date()});
                break;
            }
}

} // namespace

std::vector<FindMatch> FindOnMap(const AtlMap& map, const std::string& text) {
    std::vector<FindMatch> matches;
    std::string query(Trim(text));
    if (query.empty()) return matches;

    if (auto at = ParseCoordText(query, LevelForms::NumbersOrNames)) {
        ForEachHex(map, [&](const AtlCoord& c, const AtlHexData& hex) {
            if (Known(hex) && c.x == at->x && c.y == at->y && (!at->z || c.z == *at->z))
                matches.push_back({c, FindKind::Hex, c.GetString(), hex.seenDate});
        });
    } else if (auto number = ParseWhole(query, 0, INT32_MAX)) {
        ForEachHex(map, [&](const AtlCoord& c, const AtlHexData& hex) {
            for (const UnitNode& unit : hex.Location().units)
                if (unit.number == *number)
                    matches.push_back(
                        {c, FindKind::Unit, UnitText(unit), hex.seenDate, unit.number});
            for (const BuildingNode& building : hex.Location().buildings)
                if (building.number == *number)
                    matches.push_back(
                        {c, FindKind::Building, BuildingText(building), hex.seenDate});
        });
        FindNotes(map, query, matches);
    } else {
        if (auto z = LevelOfName(query)) FindLevel(map, *z, matches);
        FindByName(map, query, matches);
        FindNotes(map, query, matches);
    }

    std::stable_sort(matches.begin(), matches.end(), NewestFirst);
    return matches;
}
