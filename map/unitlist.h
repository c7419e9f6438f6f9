#pragma once

#include "base/str.h"
#include "model/atlcoord.h"
#include "model/atldate.h"

#include <cstdint>
#include <vector>

class VexlorDoc;

// One unit of a month as the units list shows it and vexlor-cli units prints it. Texts are
// empty and numbers -1 where no report of the month told them.
struct UnitRow {
    AtlCoord coord;
    Str level; // the level's name: "surface"
    int32_t number = 0;
    Str name;
    int faction = 0;   // 0 where unknown
    Str factionName;   // empty where unknown
    int source = 0;    // the faction whose report the unit is taken from
    bool own = false;  // one of the player's own units
    bool ally = false; // a unit of a faction held as an ally
    int32_t men = 0;   // how many of its items are people
    Str menText;       // the people by race: "2 HELF, 1 LEAD"
    int32_t silver = 0;
    Str otherItems; // the items beside people and silver, short: "2 HORS, 1 SWOR"
    Str items;      // every item in report order, "COUNT ABBR" joined by ", "
    Str skills;     // "ABBR LEVEL" joined by ", "; empty for units not the player's or an ally's
    int32_t weight = -1;
    Str capacity;  // "0/0/15/0"
    Str flags;     // the report's words joined by ", ": "on guard, behind"
    Str structure; // the building or ship it is in: "Fort [1]"; empty outside
};

// The units of the month on show (the hexes seen in it by any source; each unit once, taken
// as the map takes it): the player's own and allied ones, or with all every unit seen. Ordered
// by level, y, x, then report order.
std::vector<UnitRow> ListUnits(const VexlorDoc& doc, AtlDate date, bool all);
