#pragma once

#include "model/atlcoord.h"
#include "model/atldate.h"
#include "model/turnstamps.h"

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

// Every unit's sightings over every month and source (the player's own turns and the allies'),
// so that a unit's track is a look-up rather than a walk over every turn. The index is built on
// the first track of a document from the turns' bytes, making no objects, and again only when the
// document's turns or allies changed since (their stamps, as the sighting index tells it).
class UnitTracks {
public:
    // The unit's positions, oldest first, one a month: of several sightings in a month the
    // one HexUnits takes (its owner's report, else the first naming its faction, else the
    // first, sources in the document's order). Empty when the unit was never seen.
    std::vector<TrackPoint> Track(const VexlorDoc& doc, int32_t number);
    // How many times the index was built: a track after the first walks no turn again.
    int Builds() const { return builds_; }

private:
    struct Sighting {
        int32_t date;
        AtlCoord coord;
        uint8_t rank; // the source's place in the document's order
        int32_t source;
        int32_t faction;
    };
    struct Range {
        uint32_t first = 0, count = 0;
    };
    void Build(const VexlorDoc& doc);

    std::vector<int32_t> numbers_; // ascending; ranges_ runs beside them
    std::vector<Range> ranges_;
    std::vector<Sighting> sightings_; // grouped by unit, each group by date and source
    TurnStamps stamps_;
    int builds_ = 0;
};
