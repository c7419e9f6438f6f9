#pragma once

// The program's texts in English, by their numbers in the language library's string table: the
// one place where an English text is written. The English language library is built from this
// table, and the program falls back on it where the library in use has no text of its own.
// Texts are UTF-8; "%s" stands for an argument, "%%" for "%". Header only, so that the language
// library compiles the same table without linking the program's code.
//
// 1000-1104 are the library's original strings, kept as they are; the texts that name files
// and reasons come after them, then those of the events window, the find box and vexlor-cli.
namespace Msg {
enum : int {
    ProductName = 1000,
    LanguageName = 1001, // the language's own name: a library without it is not used
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
    // A turn's events, in the window and from vexlor-cli events.
    TurnEvents = 1136,
    ErrorsHeading = 1137,
    BattlesHeading = 1138,
    EventsHeading = 1139,
    EventsNotKept = 1140,
    NoReportForTurn = 1141,
    NoTurn = 1142,
    // The find box and the filter of a window of lines.
    Find = 1143,
    FindPrompt = 1144,
    NothingFound = 1145,
    OneFound = 1146,
    SomeFound = 1147,
    LinesPrompt = 1148,
    OneLine = 1149,
    SomeLines = 1150,
    // vexlor-cli lines, which reads a report without the document controller.
    LinesCannotOpen = 1151,
    LinesNotAFile = 1152,
    LinesTooLarge = 1153,
    LinesNulByte = 1154,
    LinesReadError = 1155,
    CannotWriteOutput = 1156,
};
} // namespace Msg

struct MessageRow {
    int id;
    const char* english;
};

inline constexpr MessageRow kMessageTable[] = {
    {Msg::ProductName, "Vexlor"},
    {Msg::LanguageName, "English"},
    {Msg::SaveChanges, "File %s has changed.\n\nDo you want to save the changes?"},
    {Msg::TurnLoaded,
     "This report is for turn (%s) which is already loaded. Rewrite old turn information?"},
    {Msg::OtherFaction, "This report is for another faction. You can not combine reports for "
                        "different factions in one document."},
    {Msg::CannotSave, "Unable to save document"},
    {Msg::CannotOpen, "Unable to open file"},
    {Msg::NotAReport, "%s is not an Atlantis turn report."},
    {Msg::ReportEmpty, "%s is empty."},
    {Msg::OtherFactionOf, "%s is for faction %s, the map is for faction %s."},
    {Msg::BreaksOff, "%s breaks off at line %s."},
    {Msg::CannotOpenFile, "%s cannot be opened: %s."},
    {Msg::SaveFailed, "%s could not be saved: %s. The old file is unchanged."},
    {Msg::NotAMapDocument, "%s is not a map document."},
    {Msg::UnknownVersion, "%s was written by a newer version of Vexlor and cannot be read."},
    {Msg::DocumentDamaged, "%s is damaged or cut short: only the part before the damage was read."},
    {Msg::ReplaceTurn, "%s is for %s, which is already loaded. Replace the loaded turn?"},
    {Msg::ReportAdded, "%s: %s added."},
    {Msg::ReportReplaced, "%s: %s replaced."},
    {Msg::ReportKept, "%s: %s was already loaded and is kept."},
    {Msg::NoSuchTurn, "%s does not reach %s."},
    {Msg::ExportFailed, "%s could not be written: %s."},
    {Msg::ReportsSummary, "Reports added: %s, replaced: %s, kept: %s, refused: %s."},
    {Msg::GoOn, "Go on with the other reports?"},
    {Msg::Refused, "Refused:"},
    {Msg::ProgressReports, "Adding reports..."},
    {Msg::NotAFile, "%s is not a regular file (a folder, a pipe or a device) and was not read."},
    {Msg::ReportTooLarge,
     "%s is larger than 64 MB, far more than any turn report, and was not read."},
    {Msg::NulByte, "%s: line %s holds a NUL byte; this is no plain-text turn report."},
    {Msg::CoordinateTooLarge, "%s: line %s names coordinates beyond 32767, which a map document "
                              "cannot hold; the report was read up to that region."},
    {Msg::ListTooLong, "%s: line %s: more than 65,535 %s, the most a map document can hold; the "
                       "report was not added."},
    {Msg::ReadOnly, "%s is read-only, so it was not changed."},
    {Msg::ChangedOnDisk, "%s was changed by another program since it was read, so it was not "
                         "changed: what that program saved is kept."},
    {Msg::Busy, "%s is being changed by another program; it is unchanged."},
    {Msg::SaveElsewhere, "Save the map under another name?"},
    {Msg::PictureIsTheDocument,
     "%s is the map document itself; choose another file for the picture."},
    {Msg::NotAPicture,
     "%s is not a PNG picture and stays as it is; choose another file for the picture."},
    {Msg::ProgressOpening, "Opening the map..."},
    // The headings are the report's own, so that vexlor-cli events prints what the report wrote.
    {Msg::TurnEvents, "Turn events"},
    {Msg::ErrorsHeading, "Errors during turn:"},
    {Msg::BattlesHeading, "Battles during turn:"},
    {Msg::EventsHeading, "Events during turn:"},
    {Msg::EventsNotKept, "This turn's report was read before its events were kept."},
    {Msg::NoReportForTurn, "No report was read for this turn."},
    {Msg::NoTurn, "%s: no turn %s"},
    {Msg::Find, "Find"},
    {Msg::FindPrompt, "Region, town, unit, building or X,Y"},
    {Msg::NothingFound, "Nothing found"},
    {Msg::OneFound, "1 found"},
    {Msg::SomeFound, "%s found"},
    {Msg::LinesPrompt, "Show only the lines holding..."},
    {Msg::OneLine, "1 line"},
    {Msg::SomeLines, "%s lines"},
    {Msg::LinesCannotOpen, "%s: cannot open: %s"},
    {Msg::LinesNotAFile, "%s: cannot open: not a regular file"},
    {Msg::LinesTooLarge, "%s: larger than 64 MB"},
    {Msg::LinesNulByte, "%s: a NUL byte in line %s"},
    {Msg::LinesReadError, "%s: read error"},
    {Msg::CannotWriteOutput, "cannot write to standard output"},
};
