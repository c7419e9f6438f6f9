#pragma once

#include "base/str.h"
#include "model/atlcoord.h"

#include <string_view>

// Cursor scanners over one logical line. Each returns 0 on success and -1 on failure, and
// moves the cursor only on success.

void skipspaces(const char*& cursor);
// Moves end back over blanks while it is after start.
void skipspacesback(const char* start, const char*& end);
// The nearest position from `from` back to `start` that holds c, or null.
const char* searchback(const char* start, const char* from, char c);
int skiptempl(const char*& cursor, const char* templ);
// The first position in text whose character is in set, or null.
const char* FindSet(const char* text, const char* set);
// Text up to the first delimiter of set, trimmed; the cursor stays on the delimiter.
int read_before(const char*& cursor, Str& result, const char* set);
// The same as a view into the line, for a word that is only looked at.
int read_before(const char*& cursor, std::string_view& result, const char* set);
int ReadNumber(const char*& cursor, int& result);
int ReadParanNumber(const char*& cursor, int& result);
int ReadBracketNumber(const char*& cursor, int& result);
int ReadParanStr(const char*& cursor, Str& result);
int ReadBracketStr(const char*& cursor, Str& result);
// ReadCoords' result for coordinates that are well formed but do not fit the document's
// 16-bit fields: never wrapped onto another hex.
inline constexpr int kCoordsTooLarge = -2;
// "(x,y)" or "(x,y,level words)"; kCoordsTooLarge for x or y beyond 32767.
int ReadCoords(const char*& cursor, AtlCoord& coord);
// The first "(" of text when it encloses digits only, else null.
const char* FindNumInParan(const char* text);
// The first "[" of text when it encloses capitals A-Z only, else null.
const char* FindContraction(const char* text);
