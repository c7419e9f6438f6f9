#pragma once

#include "base/str.h"
#include "model/atldate.h"
#include "model/vexlordoc.h"
#include "report/reportlines.h"
#include "report/wholeness.h"

class iwstream;

// Why a report was refused or broke off, where the reason is more than "not a report".
enum class IntakeFault {
    None,
    NotAFile,           // a folder, a FIFO or a device: not read
    TooLarge,           // larger than kMaxReportBytes: not read
    NulByte,            // a NUL byte in `line`
    Malformed,          // `line` could not be read
    CoordinateTooLarge, // `line` names coordinates the document cannot hold
    ListTooLong,        // the report would take the list `list` beyond the file's limit
};

// How reading one report ended.
enum class IntakeResult {
    Added,        // a new turn
    Replaced,     // a loaded turn rewritten, after the caller agreed
    Kept,         // the turn was loaded and the caller chose to keep it: not an error
    NotOpened,    // the file could not be opened (errorNumber says why)
    Empty,        // nothing but blanks
    NotAReport,   // no report header
    OtherFaction, // the header names a faction other than the document's
    BrokenOff,    // reading stopped at `line`; before the first region nothing was added
};

// A whole report for a turn the document holds already: what it would put in the turn's
// place, beside what the turn holds.
struct TurnReplacement {
    AtlDate date;
    TurnSize report;
    TurnSize held;
};

// The one decision intake needs from whoever adds the report: the controller asks the
// player, tests and the command-line companion answer themselves.
class IntakeUser {
public:
    virtual ~IntakeUser() = default;
    // The report's turn is loaded already: true to rewrite it. Asked only of a report read
    // whole (report/wholeness.h).
    virtual bool ReplaceTurn(const TurnReplacement& replacement) = 0;
};

// The state intake works on: the document and who answers for it.
struct IntakeTarget {
    VexlorDoc& doc;
    IntakeUser& user;
    const char* debugFile = kLinesDebugFile; // the logical lines are written here; null: none
};

// What one report did.
struct IntakeOutcome {
    int result = 0; // AddReport's result
    IntakeResult kind = IntakeResult::NotAReport;
    bool headerRead = false; // the report's faction and date were read
    AtlFaction faction;      // the report's faction, when headerRead
    Str factionName;         // its name as the header writes it ("Red Wolves"), when headerRead
    AtlDate date;            // the report's turn, when headerRead
    bool replaced = false;   // the turn was loaded before and the user agreed to rewrite it
    int regions = 0;         // region blocks read into the turn
    int line = 0;            // BrokenOff: the line of the report where reading stopped
    int errorNumber = 0;     // NotOpened: the system's reason
    IntakeFault fault = IntakeFault::None; // NotOpened, NotAReport, BrokenOff: more precisely
    const char* list = nullptr; // for ListTooLong: what the list holds ("units in one region")
    // The document changed (a turn added, replaced, or partly read before a fault).
    bool Changed() const {
        return kind == IntakeResult::Added || kind == IntakeResult::Replaced ||
               (kind == IntakeResult::BrokenOff && regions > 0);
    }
};

// Adds one report from a stream: checks the header (faction, date), reads the regions into a
// fresh turn and then registers it or, after asking, puts it in place of the turn of that
// date, and marks the document modified. Returns 0 on success, 1 when the user kept the loaded
// turn or the faction does not match, -1 or the stream's error bits when the report could not
// be read. Nothing in the document changes unless the header was accepted and a region was
// read. A fault in the region part, or a cut (report/wholeness.h), keeps what was read before it
// for a new turn, but never takes the place of a turn the document had; a report beyond the file's
// limits (a list of more than kMaxListEntries) adds nothing.
int AddReport(iwstream& is, const IntakeTarget& target, IntakeOutcome* outcome = nullptr);

// Opens path (a regular file of at most kMaxReportBytes, opened without waiting) and adds it.
IntakeOutcome AddReportFile(const char* path, const IntakeTarget& target);

// Reads only the header at the start of the report at path (for putting reports in the order
// of their turns); false when there is none.
bool PeekReportHeader(const char* path, AtlFaction& faction, AtlDate& date);

// The directory of path: the text up to its last path separator (empty when none).
Str ReportDirectory(const char* path);
