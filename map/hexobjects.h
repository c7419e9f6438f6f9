#pragma once

#include "model/atlcoord.h"

#include <cstdint>
#include <optional>

class AtlHexData;
class BuildingNode;

// The objects a region block lists ("+ Name [n] : Type, ..."), sorted into the kinds the map
// draws a picture of, by the game engine's object types. Passages, lairs, ships, towers and
// other buildings have a picture each; a road is drawn as a track towards the side it runs to.
// The gate comes from the region's gate sentence (AtlHexData::HexGate), not from an object.
enum class ObjectKind : uint8_t { Gate, Shaft, Lair, Ship, Tower, Building, Road };
inline constexpr int kObjectKinds = 7;

// The name the legend and the help page use: "gate", "shaft", "lair", "ship", "tower",
// "building", "road".
const char* ObjectKindName(ObjectKind kind);

// The kind of one object line. Shafts are every object that contains an inner location;
// lairs every monster lair, closed to player units (a derelict ship and a magician's tower are
// lairs); ships and fleets every vessel the engine builds; towers the fortifications. What no
// rule names is a building.
ObjectKind KindOfObject(const BuildingNode& object);
// The side of the hex a road runs to ("Road NE": Northeast); nullopt for anything else.
std::optional<AtlDirection::Type> RoadDirection(const BuildingNode& object);

// What the map draws of one hex's objects.
struct HexObjects {
    uint8_t kinds = 0; // a bit (1 << kind) for each kind present, roads included
    uint8_t roads = 0; // a bit (1 << direction) for each side a road runs to

    bool Has(ObjectKind kind) const { return kinds & (1u << static_cast<int>(kind)); }
    bool IsEmpty() const { return kinds == 0; }
};

// The objects of the sighting hex shows; nothing for a hex known only from exits.
HexObjects ObjectsOf(const AtlHexData& hex);
