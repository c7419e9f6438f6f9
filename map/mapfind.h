#pragma once

#include "base/str.h"
#include "model/atlcoord.h"
#include "model/atldate.h"

#include <string>
#include <vector>

class AtlMap;

// What a line of a find names at its hex, in the order lines of one hex are listed.
enum class FindKind { Region, Town, Unit, Building, Hex, Note };

// One thing on the map that a find matched: where it is, what it is, the text that matched
// (a unit as "Name (number)", a building as "Name [number]", a hex by coordinates, a note by its
// line that matched) and the month of the sighting it was found in (the hex's, as the map shows
// it; a note's is the map's month, for a note belongs to the hex whatever the month).
struct FindMatch {
    AtlCoord coord;
    FindKind kind;
    Str text;
    AtlDate seen;
    int32_t unit = 0; // the unit's number, for a unit found
};

// How many hexes a level's name alone lists.
constexpr size_t kLevelHexesFound = 12;

// The kind as scripts read it: "region", "town", "unit", "building", "hex", "note".
const char* FindKindName(FindKind kind);

// Everything on map (the hexes as shown for one turn) that text names, the newest sightings
// first: by month seen, newest first, then by level, y, x and kind; lines of one kind at one
// hex keep report order. Text, its blanks at either end dropped, is one of:
// - coordinates "X,Y" or "X,Y,Z", parentheses allowed, Z a number or a level's name in any
//   case ("(0,0,nexus)", "3,5,Deep Underworld", as AtlCoord writes them): that known hex, on
//   every level without Z;
// - a level's name alone ("nexus"): that level's newest kLevelHexesFound known hexes, and
//   whatever else the name names;
// - a number: the units and buildings of exactly that number;
// - anything else: region, town, unit and building names that hold it, case ignored;
// and but for coordinates, the lines of the player's notes (AtlMap::Notes) that hold it, case
// ignored, on any hex, known or not.
std::vector<FindMatch> FindOnMap(const AtlMap& map, const std::string& text);
