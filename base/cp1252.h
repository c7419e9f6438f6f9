#pragma once

#include <string>
#include <string_view>

// Reports and documents hold their texts as the game wrote them, in Windows-1252. The one
// place where those bytes become Unicode, for the window and vexlor-cli alike.

// The code point of one Windows-1252 byte; the five bytes the code page leaves unassigned
// stay the C1 controls of the same value.
char32_t Cp1252CodePoint(unsigned char byte);
// The text as UTF-8.
std::string Cp1252ToUtf8(std::string_view text);
// UTF-8 (what a user typed) as Windows-1252, to compare with the documents' texts; a character
// the code page lacks becomes "?".
std::string Utf8ToCp1252(std::string_view text);
