#pragma once

// Documents built by hand for the tests of the layers above the model.

#include "model/location.h"
#include "model/vexlordoc.h"

#include <cstdint>

// The location at c in the turn of date, both registered when new, filled as a full sighting
// (or a partial one) of a region.
inline LocationNode& AddLoc(VexlorDoc& doc, AtlDate date, const AtlCoord& c,
                            TerrainType terrain = TerrainType::Plain, const char* region = "Cluen",
                            bool partial = false) {
    LocationNode& loc = *doc.RegisterTurn(date)->RegisterLoc(c);
    loc.terrain = terrain;
    loc.regionName = region;
    if (partial) loc.flags |= LocationNode::LocPartial;
    return loc;
}

inline LocationNode& AddPartial(VexlorDoc& doc, AtlDate date, const AtlCoord& c,
                                TerrainType terrain = TerrainType::Plain,
                                const char* region = "Cluen") {
    return AddLoc(doc, date, c, terrain, region, true);
}

inline UnitNode& AddUnit(LocationNode& loc, int number, const char* name, int faction,
                         uint32_t flags = 0, int building = 0) {
    auto* unit = new UnitNode();
    unit->number = number;
    unit->name = name;
    unit->faction = faction;
    unit->flags = flags;
    unit->building = static_cast<uint16_t>(building);
    loc.units.Add(unit);
    return *unit;
}

inline void AddBuilding(LocationNode& loc, int number, const char* name, const char* text) {
    auto* building = new BuildingNode();
    building->number = static_cast<uint16_t>(number);
    building->name = name;
    building->text = text;
    loc.buildings.Add(building);
}
