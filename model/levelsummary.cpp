#include "model/levelsummary.h"

#include "model/vexlordoc.h"

#include <cstdint>
#include <map>
#include <unordered_set>

std::vector<LevelSummary> SummarizeLevels(const VexlorDoc& doc) {
    std::map<int, std::unordered_set<uint32_t>> seen;
    // The sightings name the hexes without making every turn's locations.
    for (const TurnNode& turn : doc.Turns())
        turn.ForEachSighting([&seen](const LocationSighting& loc) {
            seen[loc.coord.z].insert(static_cast<uint32_t>(static_cast<uint16_t>(loc.coord.x))
                                         << 16 |
                                     static_cast<uint16_t>(loc.coord.y));
        });
    std::vector<LevelSummary> levels;
    for (const auto& [z, hexes] : seen)
        levels.push_back({z, doc.Extras().levelWidths.Width(z), static_cast<long>(hexes.size())});
    return levels;
}
