#pragma once

#include <vector>

class VexlorDoc;

// One level the document holds at least one location of, in any turn, its own or an ally's.
struct LevelSummary {
    int level = 0;
    int width = 0;  // as the reports' exits showed it (VexlorDoc::KnownWidths); 0 when none did
    long hexes = 0; // distinct (x, y) of the level over all turns, the allies' too
};

// Every level with a location, in order of level number.
std::vector<LevelSummary> SummarizeLevels(const VexlorDoc& doc);
