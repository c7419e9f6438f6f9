#pragma once

#include "base/list.h"
#include "base/str.h"
#include "model/atlcoord.h"
#include "model/building.h"
#include "model/items.h"
#include "model/terrain.h"
#include "model/unit.h"

#include <cstdint>

// One region as one report saw it. Numbers are -1 when the report did not give them.
class LocationNode : public Node {
public:
    enum Flags : uint32_t { LocPartial = 1 }; // known only from a neighbour's exits

    LocationNode() = default;
    LocationNode(const LocationNode&) = delete;
    LocationNode& operator=(const LocationNode&) = delete;

    LocationNode* Next() const { return static_cast<LocationNode*>(GetNext()); }
    bool IsPartial() const { return flags & LocPartial; }

    static Node* builder(iwstream& is, unsigned long version);

    TerrainType terrain;
    AtlCoord coord;
    Str regionName;
    Str townName;
    Str townType;
    int32_t peasants = -1;
    Str peasantRace;
    int32_t silver = -1;
    int32_t wages = -1;
    int32_t maxWages = -1;
    int32_t entertainment = -1;
    ListT<ItemPriceNode> wanted;
    ListT<ItemPriceNode> forSale;
    ListT<ItemNode> products;
    ListT<UnitNode> units;
    ListT<BuildingNode> buildings;
    uint32_t flags = 0;
};
