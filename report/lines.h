#pragma once

#include "base/strlist.h"

#include <string>

class iwstream;

// The name of the debug copy of the last report's logical lines.
inline constexpr const char* kLinesDebugFile = "lines01.deb";

// The largest report read: far above any real one (the game master's whole world is some
// megabytes), low enough that a file picked by mistake cannot exhaust memory.
inline constexpr long kMaxReportBytes = 64L * 1024 * 1024;

// Where debugFile goes: a bare name into the user's cache folder ($XDG_CACHE_HOME/vexlor/,
// else ~/.cache/vexlor/, made when missing), a path as it stands. Empty when no cache folder
// is known or it cannot be made: then no copy is written.
std::string LinesDebugPath(const char* debugFile);

// A logical line of a report with the number of the physical line it begins on.
class ReportLineNode : public StrNode {
public:
    explicit ReportLineNode(int line) : line(line) {}
    int line;
};

// The physical line (from 1) on which node's logical line begins; 0 for a line that was not
// split from a report.
int ReportLineNumber(const StrNode* node);

// Why splitting stopped before the end of the text.
struct LinesFault {
    enum Kind { None, NulByte, TooLarge, ReadError };
    Kind kind = None;
    int line = 0; // the physical line, for NulByte
};

// Splits the whole stream into logical lines (a physical line and its indented continuations,
// joined by one blank) appended to lines, then writes them to debugFile (see LinesDebugPath; none
// when null). A byte-order mark at the start is skipped. Returns 0 when the whole report was split;
// -1 for a NUL byte (the lines before its line are kept) or more than kMaxReportBytes (no lines);
// else the stream's error bits. fault, when given, says which and where. Blanks after the text of a
// physical line are dropped, as mail programs add them; a line of blanks alone stands as it is (in
// a region block it keeps the paragraph together) and never continues another. CR LF and a lone CR
// end a line as LF does.
int SplitLines(iwstream& is, StrList& lines, const char* debugFile = kLinesDebugFile,
               LinesFault* fault = nullptr);

// The first node after node whose text is empty, or null.
StrNode* NextEmptyLine(StrNode* node);
