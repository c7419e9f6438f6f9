#include "model/levelsummary.h"

#include "model/vexlordoc.h"

#include <map>
#include <unordered_set>

std::vector<LevelSummary> SummarizeLevels(const VexlorDoc& doc) {
    std::unordered_set<AtlCoord> seen;
    // The sightings name the hexes without making every turn's locations.
    auto note = [&seen](const VexlorDoc& source) {
        for (const TurnNode& turn : source.Turns())
            turn.ForEachSighting([&seen](const LocationSighting& loc) { seen.insert(loc.coord); });
    };
    note(doc);
    for (const auto& ally : doc.Extras().allies.All())
        note(*ally->doc);
    std::map<int, long> hexes;
    for (const AtlCoord& c : seen)
        ++hexes[c.z];
    std::vector<LevelSummary> levels;
    LevelWidths widths = doc.KnownWidths();
    for (const auto& [z, count] : hexes)
        levels.push_back({z, widths.Width(z), count});
    return levels;
}
