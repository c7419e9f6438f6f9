#include "report/intake.h"

#include "base/inputfile.h"
#include "base/wstream.h"
#include "report/extrasreader.h"
#include "report/linetype.h"
#include "report/regions.h"
#include "report/scan.h"

#include <cstring>
#include <string>

StrNode* SkipHeaderComments(StrNode* first) {
    StrNode* n = first;
    while (n && (n->text.IsEmpty() || n->text.Get()[0] == ';'))
        n = n->Next();
    return n;
}

namespace {

// The faction line: name, then the number in parentheses. 0 is no faction at all.
int ReadReportFaction(const StrNode* line, AtlFaction& faction) {
    if (!line) return -1;
    const char* p = line->text.Get();
    Str name;
    int number;
    if (read_before(p, name, "(") != 0 || ReadParanNumber(p, number) != 0 || number == 0) return -1;
    faction = AtlFaction(number);
    return 0;
}

// The date line: a month name up to the comma, exactly, and the first run of digits after
// it as the year, below 1000.
int ReadReportDate(const StrNode* line, AtlDate& date) {
    if (!line) return -1;
    const char* text = line->text.Get();
    const char* comma = std::strchr(text, ',');
    if (!comma) return -1;
    const char* digits = std::strpbrk(comma, "0123456789");
    int year;
    if (!digits || ReadNumber(digits, year) != 0 || year >= 1000) return -1;
    int month = GetMonthNum(Str(std::string_view(text, static_cast<size_t>(comma - text))).Get());
    if (month < 0) return -1;
    date = AtlDate(month, year);
    return 0;
}

int Finish(IntakeOutcome* outcome, IntakeOutcome& local, int result) {
    local.result = result;
    if (outcome) *outcome = local;
    return result;
}

} // namespace

namespace {

IntakeFault FaultOf(RegionFault::Kind kind) {
    switch (kind) {
    case RegionFault::CoordinateTooLarge:
        return IntakeFault::CoordinateTooLarge;
    case RegionFault::ListTooLong:
        return IntakeFault::ListTooLong;
    default:
        return IntakeFault::Malformed;
    }
}

} // namespace

int AddReport(iwstream& is, const IntakeTarget& target, IntakeOutcome* outcome) {
    IntakeOutcome out;
    VexlorDoc& doc = target.doc;
    AtlDate latest = doc.LastTurn() ? doc.LastTurn()->date : AtlDate();

    StrList lines;
    LinesFault linesFault;
    if (int split = SplitLines(is, lines, target.debugFile, &linesFault); split != 0) {
        if (linesFault.kind == LinesFault::NulByte) out.fault = IntakeFault::NulByte;
        if (linesFault.kind == LinesFault::TooLarge) out.fault = IntakeFault::TooLarge;
        out.line = linesFault.line;
        return Finish(outcome, out, split);
    }

    StrNode* header = SkipHeaderComments(lines.GetFirst());
    if (!header || GetLineType(header->text.Get()) != LineType::ReportFor)
        return Finish(outcome, out, -1);
    StrNode* factionLine = header->Next();
    AtlFaction faction;
    if (ReadReportFaction(factionLine, faction) != 0) return Finish(outcome, out, -1);
    bool takesFaction = doc.GetFaction().Number() == 0 && !doc.FirstTurn();
    if (!takesFaction && doc.GetFaction() != faction) {
        target.user.ShowMessage(target.user.MessageText(Msg::OtherFaction));
        return Finish(outcome, out, 1);
    }
    StrNode* dateLine = factionLine->Next();
    AtlDate date;
    if (ReadReportDate(dateLine, date) != 0) return Finish(outcome, out, -1);
    out.headerRead = true;
    out.date = date;

    TurnNode* loaded = doc.FindTurn(date);
    if (loaded) {
        Str question = FormatMessageText(target.user.MessageText(Msg::TurnLoaded).Get(),
                                         date.GetString().Get());
        if (!target.user.AskYesNo(question)) return Finish(outcome, out, 1);
    } else if (doc.Turns().LongCountNodes() >= kMaxListEntries) {
        out.fault = IntakeFault::ListTooLong;
        out.list = "turns in one document";
        return Finish(outcome, out, -1);
    }

    // Read aside: the document changes only once the reading may stand.
    TurnNode fresh(date);
    LevelWidths widths = doc.Extras().levelWidths;
    RegionFault fault;
    int result = ReadLocList(dateLine, fresh, &out.regions, &widths, &fault);
    ReadTurnExtras(dateLine, out.regions, fresh);
    if (result != 0) {
        out.fault = FaultOf(fault.kind);
        out.line = ReportLineNumber(fault.line);
        out.list = fault.list;
        if (loaded || fault.kind == RegionFault::ListTooLong) return Finish(outcome, out, result);
    }

    // Only a report whose whole header was accepted may fix the document's faction.
    if (takesFaction) doc.SetFaction(faction);
    TurnNode* turn = loaded ? loaded : doc.RegisterTurn(date);
    turn->TakeContents(fresh);
    doc.Extras().levelWidths = widths;
    out.replaced = loaded != nullptr;

    if (target.shownDate == latest && turn->date > latest) target.shownDate = turn->date;
    target.user.Reformat();
    doc.SetModified(true);
    return Finish(outcome, out, result);
}

Str IntakeFaultMessage(const char* path, const IntakeOutcome& outcome) {
    std::string file = path ? path : "";
    std::string line = std::to_string(outcome.line);
    switch (outcome.fault) {
    case IntakeFault::NotAFile:
        return Str(file + " is not a regular file (a folder, a pipe or a device) and was not read");
    case IntakeFault::TooLarge:
        return Str(file + " is larger than 64 MB, far more than any turn report, and was not read");
    case IntakeFault::NulByte:
        return Str(file + ": line " + line +
                   " holds a NUL byte; this is no plain-text turn report");
    case IntakeFault::CoordinateTooLarge:
        return Str(file + ": line " + line +
                   " names coordinates beyond 32767, which a map document cannot hold; the report "
                   "was read up to that region");
    case IntakeFault::ListTooLong:
        return Str(file + (outcome.line ? ": line " + line + ": " : ": ") + "more than 65,535 " +
                   (outcome.list ? outcome.list : "entries in one list") +
                   ", the most a map document can hold; the report was not added");
    default:
        return Str();
    }
}

IntakeOutcome AddReportFile(const char* path, const IntakeTarget& target) {
    IntakeOutcome outcome;
    InputFile file(path, kMaxReportBytes);
    if (file.GetResult() != InputFile::Opened) {
        outcome.result = kIntakeNotOpened;
        if (file.GetResult() == InputFile::CannotOpen) {
            target.user.ShowMessage(target.user.MessageText(Msg::CannotOpen));
            return outcome;
        }
        outcome.fault = file.GetResult() == InputFile::NotRegular ? IntakeFault::NotAFile
                                                                  : IntakeFault::TooLarge;
    } else if (AddReport(file.Stream(), target, &outcome) == 0) {
        return outcome;
    }
    Str message = IntakeFaultMessage(path, outcome);
    target.user.ShowMessage(message.IsEmpty() ? Str(kParsingErrorMessage) : message);
    return outcome;
}

Str ReportDirectory(const char* path) {
    std::string_view text(path ? path : "");
    size_t last = text.find_last_of("/\\");
    return last == std::string_view::npos ? Str() : Str(text.substr(0, last));
}
