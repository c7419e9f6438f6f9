#pragma once

#include <cstddef>

class ReportLine;
class ReportLines;
class TurnNode;

// Whether a report is whole: the one place that decides it. A report cut short (a mail that
// broke off, a file copied in part, `head` of a report) must never stand for the turn it
// names, so every sign of a cut the engine's reports allow is looked for here.

// The line where the report breaks off, or 0 when nothing shows a cut. start is the line the
// region blocks are read from; blocksRead the region blocks the reader took. A report is cut
// when it has no region block; when a block lacks a line every block has (wages, wanted, for
// sale, products, and an exits paragraph with at least one line); when its last block ends
// inside a line (a unit line, a wrapped line) or, in a report that names its engine from 5
// on, without the two empty lines that end every block; and when a report of the 4.0 form
// (one that names an engine before 5, or holds the orders template) lacks its closing
// "#end".
int FindCut(ReportLines& lines, ReportLine* start, int blocksRead);

// Whether every line of the text, empty ones included, carries trailing blanks, as some mail
// programs send a report: then a line of blanks alone is an empty line. The header shows it:
// its "Atlantis Report For:" line ends with a blank, and the empty line after its date holds
// blanks.
bool IsMailPadded(const char* text, size_t size);

// What a turn holds that a shorter report would lose: the regions read from a region block of
// their own, and the units of the faction own.
struct TurnSize {
    int regions = 0;
    int units = 0;
    // Whether a turn of this size in place of held would lose regions or units.
    bool Smaller(const TurnSize& held) const {
        return regions < held.regions || units < held.units;
    }
};
TurnSize SizeOfTurn(const TurnNode& turn, int ownFaction);
