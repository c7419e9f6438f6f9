#pragma once

#include "model/atlcoord.h"
#include "model/atldate.h"

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

class AtlHexData;
class VexlorDoc;

// What a player notices in a hex from one sighting to the next, in the order a list shows
// them within a hex.
enum class ChangeKind : uint8_t { Explored, Arrived, Left, Built, Razed, Town, Peasants };

// The text (base/messagetable.h) of kind's word, and its English, which vexlor-cli prints:
// "explored", "arrived", ...
int ChangeKindMessage(ChangeKind kind);
const char* ChangeKindWord(ChangeKind kind);

// One change of a hex. text is what changed as the report writes it: a unit "Scouts (12)", a
// building or ship "Tower [3]", the explored region "plain in Cluen", or the old and new value
// "Jan [village] -> Janville [town]" ("none" for no town), "1000 -> 1400".
struct TurnChange {
    AtlCoord coord;
    ChangeKind kind;
    std::string text;
    // By level, y, x, kind, text.
    std::strong_ordering operator<=>(const TurnChange&) const = default;
    bool operator==(const TurnChange&) const = default;
};

// What differs from the sighting before to the one now (each with its same month's other
// sightings): the units that arrived and left (by number, as the map takes them), buildings
// and ships built and razed, the town, and peasants when they changed by a fifth or more.
// Appended to out in no fixed order.
void CompareSightings(const AtlHexData& before, const AtlHexData& now,
                      std::vector<TurnChange>& out);

// The changes of the month month against the map of the month before it, over every source's
// sightings, ordered. Only hexes seen in month changed; a hex no full sighting showed before
// is explored and nothing else. Only the turns of the two months' sightings make their
// locations' objects.
std::vector<TurnChange> TurnChanges(const VexlorDoc& doc, AtlDate month);

// The hexes of changes, each once, ordered.
std::vector<AtlCoord> ChangedHexes(const std::vector<TurnChange>& changes);
