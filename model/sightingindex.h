#pragma once

#include "base/list.h"
#include "model/atlcoord.h"
#include "model/atldate.h"

#include <cstdint>
#include <vector>

class LocationNode;
class TurnNode;

// Which sighting of each hex a map for a given date shows, answered without walking every
// turn. Walking the turns in date order, a hex takes its first sighting; a later full sighting
// replaces it when it is newer or the hex is known only from a neighbour's exits; a partial
// one never replaces. The guard mark gathers over every sighting taken. Each hex keeps the
// states it passes through, in date order, so the state at a date is a binary search.
class SightingIndex {
public:
    struct Shown {
        AtlCoord coord;
        const LocationNode* loc; // the sighting the hex shows
        AtlDate seen;            // date of the turn of loc
        bool partial;            // nothing but partial sightings up to the date
        bool guarded;            // a unit on guard in any sighting taken up to the date
    };

    // Rebuilds from turns (taken in date order; equal dates keep their order).
    void Build(const ListT<TurnNode>& turns);
    // Whether the index was built from exactly these turns as they are now: the same turns,
    // none cleared or given new locations since.
    bool IsCurrent(const ListT<TurnNode>& turns) const;
    void Clear();

    // Calls visit(const Shown&) for every hex seen on or before date, in no fixed order.
    // Only the turns whose sightings are shown make their locations' objects; a sighting
    // whose turn's list turned out shorter when it made them is left out, never shown as no
    // location.
    template <class Visit> void ForEachAt(AtlDate date, Visit&& visit) const {
        for (const Hex& hex : hexes_)
            if (const Step* step = StepAt(hex, date))
                if (const LocationNode* loc = LocationOf(*step))
                    visit(Shown{hex.coord, loc, AtlDate(step->date), (step->marks & kPartial) != 0,
                                (step->marks & kGuarded) != 0});
    }

private:
    static constexpr uint8_t kPartial = 1, kGuarded = 2;
    // A sighting is named by its turn and its place in the turn's list, so that the index
    // can be built from turns that have not made their locations' objects.
    struct Step {
        uint32_t turn; // in turns_
        uint32_t ordinal;
        int32_t date;
        uint8_t marks;
    };
    struct Hex {
        AtlCoord coord;
        uint32_t first = 0; // its steps: steps_[first, first + count), dates ascending
        uint32_t count = 0;
    };
    const Step* StepAt(const Hex& hex, AtlDate date) const;
    const LocationNode* LocationOf(const Step& step) const;

    std::vector<Hex> hexes_;
    std::vector<Step> steps_;
    std::vector<const TurnNode*> turns_; // in list order
    std::vector<uint64_t> stamps_;       // the turns' stamps when built, in list order
};
