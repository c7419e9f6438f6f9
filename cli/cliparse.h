#pragma once

#include "model/atlcoord.h"
#include "model/atldate.h"

#include <string>

// Arguments shared by the subcommands.

// A whole signed decimal number within [low, high].
bool ParseInt(const std::string& text, long low, long high, long& value);
// The game's turn number as players count it (1 is January, Year 1), or a date as the program
// writes it: "March, Year 5".
bool ParseDate(const std::string& text, AtlDate& date);
// "X,Y" or "X,Y,Z", with or without the parentheses of a report; Z is a level number or a
// level word ("underworld").
bool ParseCoord(std::string text, AtlCoord& coord);
