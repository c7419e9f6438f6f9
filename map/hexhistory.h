#pragma once

#include "base/str.h"
#include "model/atlcoord.h"
#include "model/atldate.h"

#include <cstdint>
#include <string_view>
#include <vector>

class LocationNode;
class VexlorDoc;

// A hex's history: every full sighting of it over the months, by every source (the player's own
// reports and the allies'), with what changed from the sighting before. Sightings known only
// from a neighbour's exit list say nothing of the hex's contents and are left out.

// What can differ between two sightings of a hex.
enum class HexField : uint8_t {
    Terrain,
    Town, // "Verdorf [city]"
    Peasants,
    Taxes,
    Wages, // as the pane shows them, with the report's decimals
    Entertainment,
    Product,  // per item: "40 livestock"
    ForSale,  // per item: "104 plainsmen at $60"
    Wanted,   // per item: "12 swords at $163"
    Building, // per building, ship or object ("Tower [1]"): its description
    Units,    // per faction (its number): how many of its units stand there
};

// One difference. A field of several things (items, buildings, factions) names the thing;
// before or after is empty where the thing was not there.
struct HexFieldChange {
    HexField field;
    Str name;
    Str before;
    Str after;

    bool operator==(const HexFieldChange&) const = default;
};

// What differs from before to after, in the order of HexField, the things of one field in the
// order they are first met (before's, then after's new ones). The wages are given as the pane
// shows them, since the decimals live in the turn's extras.
std::vector<HexFieldChange> DiffSightings(const LocationNode& before, std::string_view wagesBefore,
                                          const LocationNode& after, std::string_view wagesAfter);

struct MarketPrice {
    Str item; // the item's name as the report gives it
    int32_t price;
};

// One sighting: who saw the hex when, what it showed, and what changed from the one before.
// Numbers are -1 where the report gave none.
struct HexSightingRecord {
    AtlDate date;
    int source = 0; // the faction whose report it is
    Str terrain;
    Str town; // empty: no town
    Str townType;
    int32_t peasants = -1;
    int32_t taxes = -1;
    Str wages;
    int32_t entertainment = -1;
    int32_t units = 0;
    int32_t buildings = 0;
    std::vector<MarketPrice> forSale;
    std::vector<MarketPrice> wanted;
    std::vector<HexFieldChange> changes; // empty for the first sighting
};

// The hex's sightings, oldest first (at one month, the player's own before the allies'); none
// for a hex never fully seen. Reads each sighting alone from a turn still kept as the file's
// bytes, so that no turn makes its objects.
std::vector<HexSightingRecord> HexHistory(const VexlorDoc& doc, const AtlCoord& coord);
