#pragma once

#include "model/atlcoord.h"
#include "model/atldate.h"

#include <cstdint>
#include <vector>

class VexlorDoc;

// One month of a unit's track: where it was seen, by whose report, and its faction.
struct TrackPoint {
    AtlDate date;
    AtlCoord coord;
    int source = 0;  // the faction whose report the position is taken from
    int faction = 0; // the unit's faction; 0 while no report ever named it
    // No report of the month named the faction: it is the one last seen.
    bool factionKept = false;

    bool operator==(const TrackPoint&) const = default;
};

// The unit's positions over every month and source (the player's own turns and the allies'),
// oldest first, one a month: of several sightings in a month the one HexUnits takes (its
// owner's report, else the first naming its faction, else the first, sources in the document's
// order). Empty when the unit was never seen. A turn kept as the file's bytes noted its units
// when the document was read, so that a track is one pass over those notes and makes no turn's
// objects.
std::vector<TrackPoint> UnitTrackOf(const VexlorDoc& doc, int32_t number);
