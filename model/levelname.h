#pragma once

#include <optional>
#include <string>
#include <string_view>

// The game's levels, numbered as the document stores them: 0 the surface, 1 the underworld,
// 2 the nexus, 3 to 7 the deeper levels.
constexpr int kNamedLevels = 8;

// "surface", "underworld", "nexus", "deep underworld", "very deep underworld", "underdeep",
// "deep underdeep", "abyss"; "level N" for any other number.
std::string LevelName(int z);
// The level that name (as LevelName writes it) stands for, case and blanks at either end
// ignored: "Nexus" 2, "surface" 0, "level 12" 12; none for any other text.
std::optional<int> LevelOfName(std::string_view name);
// The level number of a coordinate's level words, case ignored: 1 "underworld", 2 "nexus",
// 3 "deep underworld", 4 "very deep underworld", 5 "underdeep", 6 "deep underdeep", 7 "abyss",
// 3 for any other word.
int LevelFromWord(const char* word);
