#include "model/levelname.h"

#include "base/collate.h"

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

int LevelFromWord(const char* word) {
    // Deeper levels get numbers of their own so that equal x and y on two of them stay two
    // locations; an unknown word still counts as level 3.
    for (int z = 1; z < kNamedLevels; ++z)
        if (CollateCompare(word, LevelName(z).c_str()) == 0) return z;
    return 3;
}
