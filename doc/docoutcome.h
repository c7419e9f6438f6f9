#pragma once

#include "model/atldate.h"
#include "report/wholeness.h"

#include <string>
#include <vector>

// What one operation of the document controller did. To add a kind: one line here and its
// row in docmessages.cpp (its text and whether it is a failure).
enum class DocOutcomeKind {
    Done,                 // nothing to tell: a new map, a document opened, saved or exported
    CannotOpen,           // file, errorNumber
    NotADocument,         // file: not a map document (also an empty or too short one)
    UnknownVersion,       // file
    DocumentDamaged,      // file: opened as far as it could be read, without its name
    SaveFailed,           // file, errorNumber; the old file is unchanged
    ExportFailed,         // file, errorNumber
    ReportAdded,          // file, date, regions
    ReportReplaced,       // file, date, regions
    ReportKept,           // file, date: the player kept the loaded turn (not an error)
    ReportEmpty,          // file
    NotAReport,           // file
    OtherFaction,         // file, faction, docFaction
    ReportBrokenOff,      // file, line; what was read before the line stays
    NoSuchTurn,           // file (the document), date: outside the document's turns
    Cancelled,            // the player stopped
    NotAFile,             // file: a folder, a pipe or a device, not read
    ReportTooLarge,       // file: larger than any turn report, not read
    NulByte,              // file, line
    CoordinateTooLarge,   // file, line; read up to that region
    ListTooLong,          // file, line, list: beyond the document's limits, not added
    ReadOnly,             // file: the document may not be written; it is unchanged
    ChangedOnDisk,        // file: another program wrote it since it was read; it is unchanged
    Busy,                 // file: another program is changing it; it is unchanged
    PictureIsTheDocument, // file: a picture's path that names the map document
    NotAPicture,          // file: something that is no PNG picture stands there; it stays
    SaveBeyondLimits,     // file: a list longer than the file can count; the old file is unchanged
    ExtrasDamaged,        // file: opened whole, but its extension area could not all be read
    LinksSplit,           // file, names: a save would part the file from its other names
    ChangedWhileRead,     // file: another program wrote it while it was opened; nothing read
    ReportSmaller,        // file, date, sizes: would lose regions or units of the turn held
    // Allies' maps (model/allies.h); faction and factionName name the ally.
    AllyReportAdded,     // file, date, regions, faction, factionName: a new month of the ally's
    AllyReportReplaced,  // file, date, regions, faction, factionName
    AllyMapAdded,        // file, faction, factionName, turns: every month of an ally's map taken
    AllyMapDamaged,      // file: damaged or cut short; nothing of it was taken
    AllyMapNoFaction,    // file: a map of faction 0, no faction's
    AllyMapOwnFaction,   // file, faction: a map of the player's own faction
    AllyMapOtherFaction, // file, faction, docFaction (the ally asked for): refreshed from a
                         // file that now holds another faction's map
    AllyNeedsOwnMap,     // file: the map holds no report of the player's own yet
    NoSuchAlly,          // faction: not held as an ally
    AllyRemoved,         // faction, factionName
    AllyWithoutFile,     // faction, factionName: taken from reports only, no map to refresh from
    ExportIsTheDocument, // file: an export's path that names the map document itself
};

struct DocOutcome {
    DocOutcomeKind kind = DocOutcomeKind::Done;
    std::string file;     // the file as the player named it
    int errorNumber = 0;  // the system's reason (an errno value), where one applies
    int line = 0;         // the line of a report where reading stopped
    bool hasDate = false; // date is the report's turn (its header was read) or the turn asked
    AtlDate date;
    int faction = 0;         // the report's faction
    std::string factionName; // the report's faction's name, where the header was read
    int docFaction = 0;      // the map's faction
    int regions = 0;         // region blocks read
    std::string list;        // ListTooLong: what the list holds ("units in one region")
    int names = 0;           // LinksSplit: how many names (hard links) the file has
    int turns = 0;           // AllyMapAdded: the months taken
    // Before a loaded turn is replaced: what the report holds and what the turn held.
    TurnSize reportSize, heldSize;
};

// What adding several reports did, one outcome per report in the order they were taken.
struct ReportsOutcome {
    std::vector<DocOutcome> reports;
    bool cancelled = false; // the player stopped before the last one
    int Count(DocOutcomeKind kind) const;
    int Refused() const; // reports that failed
};
