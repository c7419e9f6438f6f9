#pragma once

#include "base/str.h"
#include "model/atlcoord.h"
#include "model/levelwidths.h"
#include "model/terrain.h"
#include "model/turn.h"
#include "model/turnextras.h"

class ReportLine;

// The basic text of a region: terrain word, coordinates, " in ", region name up to the first
// "," (or, in a line without one, up to the "." that ends it), and optionally ", contains "
// town name "[" town type "]". The town fields are left as they were when there is no town.
// 0 on success, with the cursor after what was read; kCoordsTooLarge (report/scan.h) for
// coordinates the document cannot hold.
int ReadLocationBasicInfo(const char*& cursor, TerrainType& terrain, AtlCoord& coord,
                          Str& regionName, Str& townName, Str& townType);

// The peasant part of a region line after its basic text: ", " count " peasants (" race "), $"
// silver. A line that ends with its basic text and "." has none: 0, and the fields stay
// unchanged.
int ReadPeasantPart(const char*& cursor, int& peasants, Str& race, int& silver);

// A wages line after "  Wages: $": the amount in whole silver, then " (Max: $" maximum, or
// nothing but the closing "." (the maximum stays unchanged). The digits of a decimal part
// ("1" of "15.1") go to decimals when given; it is left as it is for an amount without one.
int ReadWagesAmounts(const char*& cursor, int& wages, int& maxWages, Str* decimals = nullptr);

// An exit line that names no exit ("  none").
bool IsNoExitLine(const char* text);

// The exit lines after the "Exits:" line at node up to the next empty line: each neighbour
// is registered in turn (new ones marked as known only from exits) with its terrain and
// names. node is left on the empty line, or on the last line when the list ends first. -1 on
// a malformed exit. With widths, an exit of the region at `from` that crosses the world's
// east-west edge teaches the width of its level. fault, when given, names the line of a
// malformed exit. With extras, the exits themselves are kept as the region at `from` lists
// them.
int ReadExits(ReportLine*& node, TurnNode& turn, const AtlCoord& from = AtlCoord(),
              LevelWidths* widths = nullptr, struct RegionFault* fault = nullptr,
              TurnExtras* extras = nullptr);

// The most entries one list of the document file can hold (its count is 16 bits).
inline constexpr long kMaxListEntries = 0xFFFF;

// Why the region part stopped, and the line it names.
struct RegionFault {
    enum Kind {
        None,
        Malformed,          // a line the reader does not understand
        CoordinateTooLarge, // x or y beyond what the document's 16-bit fields hold
        ListTooLong,        // more than kMaxListEntries entries in one list
    };
    Kind kind = None;
    int line = 0;               // the physical line, when known
    const char* list = nullptr; // for ListTooLong: what the list holds ("units in one region")
};

// Reads every region block after start into turn. 0 when all were read;
// -1 at the first block that could not be read or that takes a list of the turn beyond
// kMaxListEntries (what was read before stays; fault, when given, says why and where). blocksRead,
// when given, counts the region blocks read completely. widths, when given, learns the level widths
// the exits show; extras, when given, keeps each block's exits.
int ReadLocList(ReportLine* start, TurnNode& turn, int* blocksRead = nullptr,
                LevelWidths* widths = nullptr, RegionFault* fault = nullptr,
                TurnExtras* extras = nullptr);
