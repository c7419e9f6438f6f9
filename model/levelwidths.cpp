#include "model/levelwidths.h"

#include <cstdlib>

int LevelWidths::Width(int z) const {
    auto it = widths_.find(z);
    return it == widths_.end() ? 0 : it->second;
}

bool LevelWidths::Learn(int z, int width) {
    // Hexes alternate in parity along a row, so a world that wraps is an even number around.
    if (z < 0 || z > 255 || width <= 0 || width % 2 != 0 || width > 0x8000) return false;
    return widths_.try_emplace(z, width).second;
}

bool LevelWidths::LearnFromExit(const AtlCoord& from, AtlDirection::Type direction,
                                const AtlCoord& to) {
    if (to.z != from.z) return false;
    AtlCoord step = from;
    step.Move(direction);
    if (to.y != step.y || to.x == step.x) return false;
    return Learn(from.z, std::abs(to.x - step.x));
}
