#include "map/mapfind.h"

#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/location.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

std::string Trim(const std::string& text) {
    size_t from = text.find_first_not_of(" \t");
    if (from == std::string::npos) return std::string();
    return text.substr(from, text.find_last_not_of(" \t") - from + 1);
}

// A whole decimal number within [low, high], with an optional minus sign.
std::optional<long> Number(const std::string& text, long low, long high) {
    std::string t = Trim(text);
    size_t digits = !t.empty() && t[0] == '-' ? 1 : 0;
    if (t.size() == digits || t.size() > digits + 9 ||
        t.find_first_not_of("0123456789", digits) != std::string::npos)
        return std::nullopt;
    long value = std::strtol(t.c_str(), nullptr, 10);
    if (value < low || value > high) return std::nullopt;
    return value;
}

struct CoordQuery {
    int x, y;
    int z; // -1: every level
};

std::optional<CoordQuery> ParseCoordQuery(std::string text) {
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')')
        text = text.substr(1, text.size() - 2);
    size_t first = text.find(',');
    if (first == std::string::npos) return std::nullopt;
    size_t second = text.find(',', first + 1);
    auto x = Number(text.substr(0, first), INT16_MIN, INT16_MAX);
    auto y = Number(text.substr(first + 1, second - first - 1), INT16_MIN, INT16_MAX);
    std::optional<long> z = -1;
    if (second != std::string::npos) z = Number(text.substr(second + 1), 0, UINT8_MAX);
    if (!x || !y || !z) return std::nullopt;
    return CoordQuery{static_cast<int>(*x), static_cast<int>(*y), static_cast<int>(*z)};
}

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
    default:
        return "hex";
    }
}

std::vector<FindMatch> FindOnMap(const AtlMap& map, const std::string& text) {
    std::vector<FindMatch> matches;
    std::string query = Trim(text);
    if (query.empty()) return matches;

    if (auto at = ParseCoordQuery(query)) {
        ForEachHex(map, [&](const AtlCoord& c, const AtlHexData& hex) {
            if (Known(hex) && c.x == at->x && c.y == at->y && (at->z < 0 || c.z == at->z))
                matches.push_back({c, FindKind::Hex, c.GetString()});
        });
    } else if (auto number = Number(query, 0, INT32_MAX)) {
        ForEachHex(map, [&](const AtlCoord& c, const AtlHexData& hex) {
            for (const UnitNode& unit : hex.Location().units)
                if (unit.number == *number) matches.push_back({c, FindKind::Unit, UnitText(unit)});
            for (const BuildingNode& building : hex.Location().buildings)
                if (building.number == *number)
                    matches.push_back({c, FindKind::Building, BuildingText(building)});
        });
    } else {
        Str needle = Lower(Str(query));
        ForEachHex(map, [&](const AtlCoord& c, const AtlHexData& hex) {
            const LocationNode& loc = hex.Location();
            if (Holds(loc.regionName, needle))
                matches.push_back({c, FindKind::Region, loc.regionName});
            if (Holds(loc.townName, needle)) matches.push_back({c, FindKind::Town, loc.townName});
            for (const UnitNode& unit : loc.units)
                if (Holds(unit.name, needle))
                    matches.push_back({c, FindKind::Unit, UnitText(unit)});
            for (const BuildingNode& building : loc.buildings)
                if (Holds(building.name, needle))
                    matches.push_back({c, FindKind::Building, BuildingText(building)});
        });
    }

    std::stable_sort(matches.begin(), matches.end(), [](const FindMatch& a, const FindMatch& b) {
        if (a.coord != b.coord) return a.coord < b.coord;
        return a.kind < b.kind;
    });
    return matches;
}
