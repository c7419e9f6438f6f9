#pragma once

#include "base/str.h"

// The message texts of report intake by their numbers in the language library's string
// table. Until the language library supplies them, the English texts stand in.
namespace Msg {
enum : int {
    ProductName = 1000,
    SaveChanges = 1100,
    TurnLoaded = 1101,
    OtherFaction = 1102,
    CannotSave = 1103,
    CannotOpen = 1104,
};
}

// The English text of a message number; empty for a number without one.
const char* EnglishMessage(int id);

// Fixed in the program, not in the string table.
inline constexpr const char* kParsingErrorMessage =
    "Some errors occured during parsing of the report";

// text with its first "%s" replaced by arg ("%%" gives "%"); no other directive is
// interpreted, so a translated text cannot make the formatting read past its argument.
Str FormatMessageText(const char* text, const char* arg);
