#pragma once

#include "base/str.h"
#include "model/atlcoord.h"
#include "model/atldate.h"

#include <vector>

class VexlorDoc;

// One faction the map has seen, as the factions list shows it and vexlor-cli factions prints
// it.
struct FactionRow {
    int number = 0;
    Str name;
    AtlDate first; // the first and last months a report of the map named it
    AtlDate last;
    int units = 0; // its units in the month asked for, and the hexes they stand in
    int hexes = 0;
    Str attitude; // the attitude the player declared towards it that month: "Friendly"; empty
                  // where the report declares none
    bool own = false;
    bool ally = false;
};

// Every faction seen in the map, ordered by number, with its units and attitude at date.
std::vector<FactionRow> ListFactions(const VexlorDoc& doc, AtlDate date);

// The hexes where the faction's units stand in the map of date, in coordinate order.
std::vector<AtlCoord> FactionHexes(const VexlorDoc& doc, AtlDate date, int faction);
