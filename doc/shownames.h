#pragma once

#include "base/str.h"
#include "model/atldate.h"

#include <string>
#include <string_view>
#include <vector>

class VexlorDoc;

// The names the window gives to what it shows: the entries of its list of turns and the
// file name it offers for a picture of the map. No window code, so they are tested plainly.

// The list of turns: every month the map knows (VexlorDoc::KnownMonths: the loaded turns and
// the allies'), oldest first, and the month on show
// where no report of its own was loaded for it, placed among them by date and named with
// fromEarlier after it ("May, Year 1 (from earlier reports)"), so that the list always
// names what the map shows. shown is the entry on show, -1 without turns.
struct TurnChoices {
    std::vector<AtlDate> dates;
    std::vector<Str> texts;
    int shown = -1;
};
TurnChoices ListTurnChoices(const VexlorDoc& doc, AtlDate shown, std::string_view fromEarlier);

// The name offered for a picture of level z in the month on show: the map's file name
// without its folder and extension (mapName for a map not saved yet), the level and the
// month, joined by '-' and with no blank or comma, ending in ".png":
// "wolves-surface-March-Year-1.png".
std::string ExportFileName(std::string_view docPath, std::string_view mapName, int z, AtlDate date);
