#pragma once

#include <optional>
#include <string_view>

// Small forms of typed text shared by the find box, the command line and the settings file.

// text without the blanks (spaces and tabs) at either end.
std::string_view Trim(std::string_view text);
// A whole decimal number within [low, high]: blanks at either end, an optional sign, digits.
std::optional<long> ParseWhole(std::string_view text, long low, long high);
