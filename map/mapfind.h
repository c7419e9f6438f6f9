#pragma once

#include "base/str.h"
#include "model/atlcoord.h"

#include <string>
#include <vector>

class AtlMap;

// What a line of a find names at its hex, in the order lines of one hex are listed.
enum class FindKind { Region, Town, Unit, Building, Hex };

// One thing on the map that a find matched: where it is, what it is and the text that
// matched (a unit as "Name (number)", a building as "Name [number]", a hex by coordinates).
struct FindMatch {
    AtlCoord coord;
    FindKind kind;
    Str text;
};

// The kind as scripts read it: "region", "town", "unit", "building", "hex".
const char* FindKindName(FindKind kind);

// Everything on map (the hexes as shown for one turn) that text names, by level, then y,
// then x, then kind; lines of one kind at one hex keep report order. Text, its blanks at
// either end dropped, is one of:
// - coordinates "X,Y" or "X,Y,Z" (parentheses allowed): that known hex, on every level
//   without Z;
// - a number: the units and buildings of exactly that number;
// - anything else: region, town, unit and building names that hold it, case ignored.
std::vector<FindMatch> FindOnMap(const AtlMap& map, const std::string& text);
