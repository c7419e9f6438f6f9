#pragma once

#include "base/list.h"
#include "base/str.h"
#include "model/atldate.h"
#include "model/building.h"
#include "model/items.h"
#include "model/terrain.h"
#include "model/unit.h"

#include <cstdint>

class LocationNode;

// What the map knows of one hex for the turn on show: a deep copy of the newest usable
// sighting of its location. Numbers are -1 when no report gave them.
class AtlHexData {
public:
    enum Flags : uint32_t {
        HexPartial = 1, // only sightings from a neighbour's exit list are known
        HexSelected = 2,
        HexGuarded = 4, // a unit on guard was seen here
        // Made by the selection on empty ground; removed again when deselected.
        HexPlaceholder = 8,
        // The player's own units stand here in the turn on show (the hex was seen in it).
        HexOwnUnits = 16,
        HexOtherUnits = 32, // units of other factions were seen here
    };

    AtlHexData() = default;
    AtlHexData(const AtlHexData&) = delete;
    AtlHexData& operator=(const AtlHexData&) = delete;

    bool Has(uint32_t flag) const { return (hexFlags & flag) != 0; }

    TerrainType terrain; // the default terrain means nothing is known
    Str regionName;
    AtlDate seenDate; // date of the turn whose sighting this copies
    Str townName;
    Str townKind;
    int32_t peasants = -1;
    Str peasantRace;
    int32_t taxes = -1;
    uint32_t hexFlags = 0;
    int32_t wages = -1;
    int32_t maxWages = -1;
    int32_t entertainment = -1;
    ListT<ItemPriceNode> wanted;
    ListT<ItemPriceNode> forSale;
    ListT<ItemNode> products;
    ListT<UnitNode> units;
    ListT<BuildingNode> buildings;
};

// Copies one sighting into hex: every field and list, seenDate = date. Sets HexGuarded when
// a copied unit is on guard; leaves the other flags alone.
void SetHexFromLoc(AtlHexData& hex, const LocationNode& loc, AtlDate date);

// Sets HexOwnUnits and HexOtherUnits from hex's units: own are faction `own` (0: none known),
// current only when the hex was seen in the turn on show.
void MarkUnits(AtlHexData& hex, int own, AtlDate shown);

// Whether a unit of the location stands on guard.
bool HasGuard(const LocationNode& loc);
