#include "model/levelname.h"

#include "base/collate.h"
#include "base/textutil.h"

#include <algorithm>
#include <cstdint>

namespace {

// The words the game's reports use for the levels, in the order of their numbers.
constexpr const char* kNames[kNamedLevels] = {
    "surface",   "underworld",     "nexus", "deep underworld", "very deep underworld",
    "underdeep", "deep underdeep", "abyss"};

constexpr std::string_view kOtherLevel = "level ";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return ToLowerAnsi(static_cast<unsigned char>(x)) ==
               ToLowerAnsi(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string LevelName(int z) {
    if (z >= 0 && z < kNamedLevels) return kNames[z];
    return std::string(kOtherLevel) + std::to_string(z);
}

std::optional<int> LevelOfName(std::string_view name) {
    name = Trim(name);
    for (int z = 0; z < kNamedLevels; ++z)
        if (SameIgnoringCase(name, kNames[z])) return z;
    if (name.size() > kOtherLevel.size() &&
        SameIgnoringCase(name.substr(0, kOtherLevel.size()), kOtherLevel)) {
        auto z = ParseWhole(name.substr(kOtherLevel.size()), kNamedLevels, UINT8_MAX);
        if (z) return static_cast<int>(*z);
    }
    return std::nullopt;
}

int LevelFromWord(const char* word) {
    // Deeper levels get numbers of their own so that equal x and y on two of them stay two
    // locations; an unknown word still counts as level 3.
    auto z = LevelOfName(word);
    return z && *z > 0 && *z < kNamedLevels ? *z : 3;
}
