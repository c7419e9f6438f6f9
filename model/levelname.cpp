#include "model/levelname.h"

namespace {

// The words the game's reports use for the levels, in the order of their numbers.
constexpr const char* kNames[kNamedLevels] = {
    "surface",   "underworld",     "nexus", "deep underworld", "very deep underworld",
    "underdeep", "deep underdeep", "abyss"};

} // namespace

std::string LevelName(int z) {
    if (z >= 0 && z < kNamedLevels) return kNames[z];
    return "level " + std::to_string(z);
}
