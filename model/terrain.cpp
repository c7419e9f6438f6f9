#include "model/terrain.h"

#include "base/wio.h"
#include "base/wstream.h"

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

int TerrainType::read(iwstream& is) {
    ReadU8(is, type_);
    name_.read(is);
    return is.good() ? 0 : 1;
}

int TerrainType::write(owstream& os) const {
    WriteU8(os, type_);
    name_.write(os);
    return os.good() ? 0 : 1;
}
