#pragma once

#include "base/list.h"
#include "model/atlcoord.h"
#include "model/atldate.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

class LocationNode;
class TurnNode;

// Which sighting of each hex a map for a given date shows, answered without walking every
// turn. The sightings come from several sources: the player's own turns and each ally's.
// Walking the turns in date order (at one date the sources in the order given, the player's
// own first), a hex takes its first sighting; a later full sighting replaces it when it is
// newer or the hex is known only from a neighbour's exits; a partial one never replaces. A
// full sighting of the same month by another source does not replace either: it is kept
// beside the one shown, so that what it saw there (its units) is added. The guard mark
// gathers over every sighting taken. Each hex keeps the states it passes through, in date
// order, so the state at a date is a binary search.
class SightingIndex {
public:
    // One source's turns, in ascending date order, and the faction whose reports they are.
    struct Source {
        int faction;
        const ListT<TurnNode>* turns;
    };

    struct Shown {
        AtlCoord coord;
        const LocationNode* loc; // the sighting the hex shows
        AtlDate seen;            // date of the turn of loc
        int source;              // the faction of the source loc is from
        bool partial;            // nothing but partial sightings up to the date
        bool guarded;            // a unit on guard in any sighting taken up to the date
        // Other sources' full sightings of the hex in the month seen (ForEachSameMonth).
        uint32_t sameMonthFirst;
        uint32_t sameMonthCount;
    };

    // Rebuilds from the sources' turns; the first source leads at equal dates, then the next.
    void Build(const std::vector<Source>& sources);
    // Whether the index was built from exactly these sources' turns as they are now: the same
    // turns of the same factions, none cleared or given new locations since.
    bool IsCurrent(const std::vector<Source>& sources) const;
    void Clear();

    // Calls visit(const Shown&) for every hex seen on or before date, in no fixed order.
    // Only the turns whose sightings are shown make their locations' objects; a sighting
    // whose turn's list turned out shorter when it made them is left out, never shown as no
    // location.
    template <class Visit> void ForEachAt(AtlDate date, Visit&& visit) const {
        ForEachShown(date, false, visit);
    }
    // As ForEachAt, for the hexes whose shown sighting is of date itself: the turns of earlier
    // months make no objects, so that a look at one month costs that month alone.
    template <class Visit> void ForEachSeenAt(AtlDate date, Visit&& visit) const {
        ForEachShown(date, true, visit);
    }
    // Calls visit(const LocationNode&, int source) for each of the other sources' full
    // sightings of shown's hex in its month, in source order; none while nothing else saw it.
    template <class Visit> void ForEachSameMonth(const Shown& shown, Visit&& visit) const {
        for (uint32_t i = 0; i < shown.sameMonthCount; ++i) {
            const Step& step = steps_[shown.sameMonthFirst + i];
            if (const LocationNode* loc = LocationOf(step)) visit(*loc, turns_[step.turn].source);
        }
    }

    // Calls visit(const Shown& now, const Shown* before) for every hex that a full sighting of
    // date's month shows, with what the map showed of it the month before (null: nothing, or
    // nothing but partial sightings). Only the turns of those sightings make their locations'
    // objects, so that comparing two months does not make every turn's.
    template <class Visit> void ForEachSeenIn(AtlDate date, Visit&& visit) const {
        for (const Hex& hex : hexes_) {
            const Step* last = StepAt(hex, date);
            if (!last || last->date != date.Value() || (last->marks & kPartial)) continue;
            const Step* lastBefore = StepAt(hex, AtlDate(date.Value() - 1));
            if (lastBefore && (lastBefore->marks & kPartial)) lastBefore = nullptr;
            std::optional<Shown> now = ShownOf(hex, last), before;
            if (!now) continue;
            if (lastBefore) before = ShownOf(hex, lastBefore);
            visit(*now, before ? &*before : nullptr);
        }
    }

    // One sighting of a hex the index took: its turn, its place in the turn's list, the faction
    // of its source and whether it came from a neighbour's exits alone.
    struct Taken {
        const TurnNode* turn;
        uint32_t ordinal;
        AtlDate date;
        int source;
        bool partial;
    };
    // Calls visit(const Taken&) for each sighting of the hex that the index took, in date order
    // (at one date, the sources in their order): the first, partial or not, then every full one;
    // nothing for a hex never seen.
    template <class Visit> void ForEachTaken(const AtlCoord& coord, Visit&& visit) const {
        auto at = hexOf_.find(coord);
        if (at == hexOf_.end()) return;
        const Hex& hex = hexes_[at->second];
        for (uint32_t i = hex.first; i < hex.first + hex.count; ++i) {
            const Step& step = steps_[i];
            const Turn& turn = turns_[step.turn];
            visit(Taken{turn.node, step.ordinal, AtlDate(step.date), turn.source,
                        (step.marks & kPartial) != 0});
        }
    }

private:
    template <class Visit> void ForEachShown(AtlDate date, bool onlyDate, Visit& visit) const {
        for (const Hex& hex : hexes_) {
            const Step* last = StepAt(hex, date);
            if (!last) continue;
            // A month's sightings share its date, so this skips a turn before making objects.
            if (onlyDate && last->date != date.Value()) continue;
            if (std::optional<Shown> shown = ShownOf(hex, last)) visit(*shown);
        }
    }

    static constexpr uint8_t kPartial = 1, kGuarded = 2, kSameMonth = 4;
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
    struct Turn {
        const TurnNode* node;
        int source;
    };
    const Step* StepAt(const Hex& hex, AtlDate date) const;
    const LocationNode* LocationOf(const Step& step) const;
    // What the map shows of hex when last is its newest step: the sighting that leads its
    // month, the same month's other sightings following it; none when its location is gone.
    std::optional<Shown> ShownOf(const Hex& hex, const Step* last) const;

    std::vector<Hex> hexes_;
    std::unordered_map<AtlCoord, uint32_t> hexOf_; // a hex's place in hexes_
    std::vector<Step> steps_;
    std::vector<Turn> turns_;      // the sources' turns, source after source, in list order
    std::vector<uint64_t> stamps_; // the turns' stamps when built, in the order of turns_
    std::vector<int> sourceTurns_; // per source: its faction, then its number of turns
};
