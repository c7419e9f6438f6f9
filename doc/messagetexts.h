#pragma once

#include "base/str.h"

#include <initializer_list>
#include <string_view>

// The message texts by their numbers in the language library's string table; the English
// texts stand in where the library has none. 1000-1104 are the library's original strings,
// kept as they are; the texts that name files and reasons come after them.
namespace Msg {
enum : int {
    ProductName = 1000,
    SaveChanges = 1100,
    TurnLoaded = 1101,
    OtherFaction = 1102,
    CannotSave = 1103,
    CannotOpen = 1104,
    NotAReport = 1105,
    ReportEmpty = 1106,
    OtherFactionOf = 1107,
    BreaksOff = 1108,
    CannotOpenFile = 1109,
    SaveFailed = 1110,
    NotAMapDocument = 1111,
    UnknownVersion = 1112,
    DocumentDamaged = 1113,
    ReplaceTurn = 1114,
    ReportAdded = 1115,
    ReportReplaced = 1116,
    ReportKept = 1117,
    NoSuchTurn = 1118,
    ExportFailed = 1119,
    ReportsSummary = 1120,
    GoOn = 1121,
    Refused = 1122,
    ProgressReports = 1123,
    NotAFile = 1124,
    ReportTooLarge = 1125,
    NulByte = 1126,
    CoordinateTooLarge = 1127,
    ListTooLong = 1128,
    ReadOnly = 1129,
    ChangedOnDisk = 1130,
    Busy = 1131,
    SaveElsewhere = 1132,
    PictureIsTheDocument = 1133,
    NotAPicture = 1134,
    ProgressOpening = 1135,
};
}

// The English text of a message number; empty for a number without one.
const char* EnglishMessage(int id);

// text with its "%s" replaced by the arguments in turn ("%%" gives "%"); no other directive is
// interpreted, so a translated text cannot make the formatting read past its arguments.
Str FormatMessageText(const char* text, std::initializer_list<std::string_view> args);
inline Str FormatMessageText(const char* text, const char* arg) {
    return FormatMessageText(text, {std::string_view(arg ? arg : "")});
}
