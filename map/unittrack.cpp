#include "map/unittrack.h"

#include "model/vexlordoc.h"

#include <algorithm>

namespace {

struct Sighting {
    int32_t date;
    AtlCoord coord;
    int32_t source;
    int32_t faction;
};

} // namespace

std::vector<TrackPoint> UnitTrackOf(const VexlorDoc& doc, int32_t number) {
    std::vector<Sighting> seen;
    for (const SightingIndex::Source& source : doc.SightingSources())
        for (const TurnNode& turn : *source.turns)
            turn.ForEachUnitSighting([&](const UnitSighting& unit, const AtlCoord& where) {
                if (unit.number == number)
                    seen.push_back({turn.date.Value(), where, source.faction, unit.faction});
            });
    // Sources came one after another: by date, each month's sources in the document's order.
    std::stable_sort(seen.begin(), seen.end(),
                     [](const Sighting& a, const Sighting& b) { return a.date < b.date; });

    std::vector<TrackPoint> track;
    int lastFaction = 0;
    for (auto month = seen.begin(); month != seen.end();) {
        auto monthEnd = std::find_if(month, seen.end(),
                                     [&](const Sighting& s) { return s.date != month->date; });
        // As HexUnits takes a unit that several reports saw.
        auto taken = std::find_if(month, monthEnd, [](const Sighting& s) {
            return s.faction != 0 && s.faction == s.source;
        });
        if (taken == monthEnd)
            taken = std::find_if(month, monthEnd, [](const Sighting& s) { return s.faction != 0; });
        if (taken == monthEnd) taken = month;
        TrackPoint point{AtlDate(taken->date), taken->coord, taken->source, taken->faction};
        if (point.faction == 0 && lastFaction != 0) {
            point.faction = lastFaction;
            point.factionKept = true;
        }
        lastFaction = point.faction;
        track.push_back(point);
        month = monthEnd;
    }
    return track;
}
