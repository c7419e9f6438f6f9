#pragma once

#include "base/str.h"
#include "model/atldate.h"
#include "model/vexlordoc.h"
#include "report/lines.h"
#include "report/messages.h"

class iwstream;

// What report intake needs from whoever adds the report: the frame window answers with
// message boxes and a map rebuild, tests and the command-line companion answer themselves.
class IntakeUser {
public:
    virtual ~IntakeUser() = default;
    // A question with Yes and No buttons (message 1101); true for Yes.
    virtual bool AskYesNo(const Str& question) = 0;
    // A message with an OK button (1102, 1104, the parsing error).
    virtual void ShowMessage(const Str& message) = 0;
    // The document changed: rebuild the map for the date on show.
    virtual void Reformat() = 0;
    // The text of a message number; the language library will supply these.
    virtual Str MessageText(int id) { return Str(EnglishMessage(id)); }
};

// The state intake works on: the window's document, the date it shows, and its user.
struct IntakeTarget {
    VexlorDoc& doc;
    AtlDate& shownDate;
    IntakeUser& user;
    const char* debugFile = kLinesDebugFile; // the logical lines are written here; null: none
};

// AddReportFile's result when the file could not be opened.
inline constexpr int kIntakeNotOpened = -100;

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

// What one report did, for callers that show more than the messages.
struct IntakeOutcome {
    int result = 0;          // AddReport's result, or kIntakeNotOpened
    bool headerRead = false; // the report's faction and date were read and accepted
    AtlDate date;            // the report's turn, when headerRead
    bool replaced = false;   // the turn was loaded before and is now the report's reading
    int regions = 0;         // region blocks read into the turn
    IntakeFault fault = IntakeFault::None;
    int line = 0;               // the report's line the fault names (0: none)
    const char* list = nullptr; // for ListTooLong: what the list holds ("units in one region")
};

// Adds one report from a stream: checks the header (faction, date), reads the regions into a
// fresh turn and then registers it or, after asking, puts it in place of the turn of that
// date; moves the date on show to a newer turn, rebuilds the map and marks the document
// modified. Returns 0 on success, 1 when the user refused or the faction does not match, -1
// or the stream's error bits when the report could not be read. Nothing in the document
// changes unless the header was accepted. A fault in the region part keeps what was read
// before it for a new turn, but never takes the place of a turn the document had; a report
// beyond the file's limits (a list of more than kMaxListEntries) adds nothing.
int AddReport(iwstream& is, const IntakeTarget& target, IntakeOutcome* outcome = nullptr);

// Opens path (a regular file of at most kMaxReportBytes, opened without waiting) and adds
// it; shows message 1104 when it cannot be opened, else, when the result is not 0, the
// fault's own message or the parsing-error message.
IntakeOutcome AddReportFile(const char* path, const IntakeTarget& target);

// The message for a fault that has a text of its own, naming the report path; empty for the
// others.
Str IntakeFaultMessage(const char* path, const IntakeOutcome& outcome);

// The first line of the report header, past the ";" lines (a treasury block) and empty lines
// that may stand before it; null when the lines end first.
StrNode* SkipHeaderComments(StrNode* first);

// The directory of path: the text up to its last path separator (empty when none).
Str ReportDirectory(const char* path);
