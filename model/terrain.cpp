#include "model/terrain.h"

namespace {
const char* const kTerrainNames[TerrainType::kKnownCount] = {
    "",      "mountain", "forest", "ocean",  "swamp",       "tundra",
    "plain", "jungle",   "desert", "cavern", "underforest", "tunnels"};
}

Str TerrainType::GetString() const {
    if (type_ == Other) return name_;
    if (type_ < kKnownCount) return Str(kTerrainNames[type_]);
    return Str();
}
