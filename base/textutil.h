#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Small forms of typed text shared by the find box, the command line and the settings file,
// and the comma-separated form of a table that the window's lists save.

// text without the blanks (spaces and tabs) at either end.
std::string_view Trim(std::string_view text);
// A whole decimal number within [low, high]: blanks at either end, an optional sign, digits.
std::optional<long> ParseWhole(std::string_view text, long low, long high);
// The rows as comma-separated values, a line each ending in CR LF: a cell holding a comma,
// a quote or a line break is quoted, its quotes doubled.
std::string CsvText(const std::vector<std::vector<std::string>>& rows);
// Appends one CSV field, quoted where a comma, quote or line break in it would split it.
void AppendCsvField(std::string& out, std::string_view field);
