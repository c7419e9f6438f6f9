#pragma once

#include "base/strlist.h"

class iwstream;

// The debug file every report reading leaves in the current directory.
inline constexpr const char* kLinesDebugFile = "lines01.deb";

// Reads one logical line (a physical line and its indented continuations) into node.
// indent, regionFlag and buildingFlag carry the reading state from line to line.
// Returns 0, or -1 on a line of blanks alone where a continuation was expected.
int read_line(iwstream& is, StrNode& node, int& indent, bool& regionFlag, bool& buildingFlag);

// Splits the whole stream into logical lines appended to lines, then writes them to
// debugFile (none when null). Returns -1 when a line could not be read, else the stream's
// error bits (0: the whole report was read). failedLine, when given, gets the line of the
// text where a line could not be read.
int SplitLines(iwstream& is, StrList& lines, const char* debugFile = kLinesDebugFile,
               int* failedLine = nullptr);

// The first node after node whose text is empty, or null.
StrNode* NextEmptyLine(StrNode* node);
