#include "map/hexobjects.h"

#include "map/hexdata.h"
#include "model/building.h"
#include "model/location.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

// The object's type: its text up to the first comma, semicolon or full stop ("Longship; 0%
// damaged" gives "Longship", "Road N, needs 15." gives "Road N").
std::string_view TypeOf(std::string_view text) {
    return text.substr(0, std::min(text.find_first_of(",;."), text.size()));
}

bool IsOneOf(std::string_view type, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), type) != names.end();
}

} // namespace

const char* ObjectKindName(ObjectKind kind) {
    static const char* const kNames[kObjectKinds] = {"gate",  "shaft",    "lair", "ship",
                                                     "tower", "building", "road"};
    return kNames[static_cast<int>(kind)];
}

std::optional<AtlDirection::Type> RoadDirection(const BuildingNode& object) {
    static constexpr struct {
        std::string_view type;
        AtlDirection::Type direction;
    } kRoads[] = {{"Road N", AtlDirection::North},      {"Road NE", AtlDirection::Northeast},
                  {"Road NW", AtlDirection::Northwest}, {"Road S", AtlDirection::South},
                  {"Road SE", AtlDirection::Southeast}, {"Road SW", AtlDirection::Southwest}};
    std::string_view type = TypeOf(object.text.View());
    for (const auto& road : kRoads)
        if (type == road.type) return road.direction;
    return std::nullopt;
}

ObjectKind KindOfObject(const BuildingNode& object) {
    std::string_view text = object.text.View();
    std::string_view type = TypeOf(text);
    if (RoadDirection(object)) return ObjectKind::Road;
    // Lairs first: some are named like ships and towers.
    if (text.find("closed to player units") != std::string_view::npos ||
        IsOneOf(type, {"Lair", "Ruin", "Cave", "Demon Pit", "Crypt", "Island", "Derelict Ship",
                       "Cavern", "Whirlpool", "Black Keep", "Magician's Tower", "Dark Mage Tower",
                       "Giant's Castle", "Ice Cave", "Bog"}))
        return ObjectKind::Lair;
    if (text.find("contains an inner location") != std::string_view::npos ||
        IsOneOf(type, {"Shaft", "Gateway"}))
        return ObjectKind::Shaft;
    // A ship's line tells its load and sailors, whatever its type is called.
    if (text.find("Sailors:") != std::string_view::npos ||
        IsOneOf(type, {"Fleet", "Longboat", "Longship", "Raft", "Cog", "Clipper", "Galleon",
                       "Armored Galleon", "Galley", "Corsair", "Balloon", "Airship", "Cloudship"}))
        return ObjectKind::Ship;
    if (IsOneOf(type,
                {"Tower", "Fort", "Castle", "Citadel", "Magical Tower", "Magical Fort",
                 "Magical Fortress", "Magical Citadel", "Stockade", "Palace", "Hexagonal Tower"}))
        return ObjectKind::Tower;
    return ObjectKind::Building;
}

HexObjects ObjectsOf(const AtlHexData& hex) {
    HexObjects objects;
    if (hex.Has(AtlHexData::HexPartial)) return objects;
    if (hex.Has(AtlHexData::HexGate)) objects.kinds |= 1u << static_cast<int>(ObjectKind::Gate);
    for (const BuildingNode& object : hex.Location().buildings) {
        objects.kinds |= 1u << static_cast<int>(KindOfObject(object));
        if (std::optional<AtlDirection::Type> side = RoadDirection(object))
            objects.roads |= 1u << *side;
    }
    return objects;
}
