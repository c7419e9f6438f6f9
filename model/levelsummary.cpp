#include "model/levelsummary.h"

#include "model/vexlordoc.h"

#include <map>
#include <unordered_set>

std::vector<LevelSummary> SummarizeLevels(const VexlorDoc& doc) {
    std::unordered_set<AtlCoord> seen;
    // The sightings name the hexes without making every turn's locations.
    for (const TurnNode& turn : doc.Turns())
        turn.ForEachSighting([&seen](const LocationSighting& loc) { seen.insert(loc.coord); });
    std::map<int, long> hexes;
    for (const AtlCoord& c : seen)
        ++hexes[c.z];
    std::vector<LevelSummary> levels;
    for (const auto& [z, count] : hexes)
        levels.push_back({z, doc.Extras().levelWidths.Width(z), count});
    return levels;
}
