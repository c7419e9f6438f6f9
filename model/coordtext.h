#pragma once

#include <optional>
#include <string_view>

// A hex as a person types it, for the find box and the command line alike: "X,Y" or "X,Y,Z",
// with or without the parentheses of a report, blanks allowed around each part.
struct CoordText {
    int x = 0;
    int y = 0;
    std::optional<int> z; // absent when no level was typed
};

// What the third part may be besides a level number from 0 to 255:
// - NumbersOrNames: a level's name as the program writes it, in any case ("nexus",
//   "Deep Underworld", "surface"); any other word is no level, so nothing is found there;
// - NumbersOrWords: a report's level words ("underworld", "deep underworld"; any other word
//   counts as level 3, as in reports).
enum class LevelForms { NumbersOrNames, NumbersOrWords };

std::optional<CoordText> ParseCoordText(std::string_view text, LevelForms levels);
