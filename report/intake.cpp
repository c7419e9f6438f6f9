#include "report/intake.h"

#include "base/inputfile.h"
#include "base/wstream.h"
#include "report/extrasreader.h"
#include "report/filelimits.h"
#include "report/linetype.h"
#include "report/regions.h"
#include "report/reportlines.h"
#include "report/scan.h"
#include "report/wholeness.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The faction line: name, then the number in parentheses. 0 is no faction at all.
int ReadReportFaction(const ReportLine* line, AtlFaction& faction, Str& name) {
    if (!line) return -1;
    const char* p = line->text.Get();
    int number;
    if (read_before(p, name, "(") != 0 || ReadParanNumber(p, number) != 0 || number == 0) return -1;
    faction = AtlFaction(number);
    return 0;
}

// The date line: a month name up to the comma, exactly, and the first run of digits after
// it as the year, below 1000.
int ReadReportDate(const ReportLine* line, AtlDate& date) {
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

// The first line of the report header, past the ";" lines (a treasury block) and empty lines
// that may stand before it; null when the lines end first.
ReportLine* SkipHeaderComments(ReportLine* first) {
    ReportLine* n = first;
    while (n && (n->text.IsEmpty() || n->text.Get()[0] == ';'))
        n = n->Next();
    return n;
}

int Finish(IntakeOutcome* outcome, IntakeOutcome& local, IntakeResult kind, int result) {
    local.kind = kind;
    local.result = result;
    if (outcome) *outcome = local;
    return result;
}

// The header lines after the ";" lines and empty lines: "Atlantis Report For:", the faction,
// the date. NotAReport, or Added when all three were read.
IntakeResult ReadHeader(ReportLines& lines, AtlFaction& faction, Str& name, AtlDate& date,
                        ReportLine*& dateLine) {
    ReportLine* header = SkipHeaderComments(lines.First());
    if (!header || header->type != LineType::ReportFor) return IntakeResult::NotAReport;
    ReportLine* factionLine = header->Next();
    if (ReadReportFaction(factionLine, faction, name) != 0) return IntakeResult::NotAReport;
    dateLine = factionLine->Next();
    if (ReadReportDate(dateLine, date) != 0) return IntakeResult::NotAReport;
    return IntakeResult::Added;
}

bool OnlyBlanks(ReportLines& lines) {
    for (const ReportLine* n = lines.First(); n; n = n->Next())
        if (std::strspn(n->text.Get(), " \t\r\n\f") != static_cast<size_t>(n->text.Length()))
            return false;
    return true;
}

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

    ReportLines lines;
    LinesFault linesFault;
    int split = lines.Read(is, &linesFault);
    if (linesFault.kind != LinesFault::TooLarge) lines.WriteDebugCopy(target.debugFile);
    if (split != 0) {
        if (linesFault.kind == LinesFault::TooLarge) out.fault = IntakeFault::TooLarge;
        // A NUL byte after a header breaks the report off there; before one (a binary file)
        // there is no report at all.
        AtlFaction faction;
        Str name;
        AtlDate date;
        ReportLine* dateLine = nullptr;
        if (linesFault.kind != LinesFault::NulByte ||
            ReadHeader(lines, faction, name, date, dateLine) != IntakeResult::Added)
            return Finish(outcome, out, IntakeResult::NotAReport, split);
        out.fault = IntakeFault::NulByte;
        out.line = linesFault.line;
        return Finish(outcome, out, IntakeResult::BrokenOff, split);
    }
    if (OnlyBlanks(lines)) return Finish(outcome, out, IntakeResult::Empty, -1);

    ReportLine* dateLine = nullptr;
    AtlFaction faction;
    AtlDate date;
    if (ReadHeader(lines, faction, out.factionName, date, dateLine) != IntakeResult::Added)
        return Finish(outcome, out, IntakeResult::NotAReport, -1);
    out.headerRead = true;
    out.faction = faction;
    out.date = date;
    bool takesFaction = doc.GetFaction().Number() == 0 && !doc.FirstTurn();
    if (!takesFaction && doc.GetFaction() != faction)
        return Finish(outcome, out, IntakeResult::OtherFaction, 1);

    TurnNode* loaded = doc.FindTurn(date);
    if (!loaded && doc.Turns().LongCountNodes() >= kMaxListEntries) {
        out.fault = IntakeFault::ListTooLong;
        out.list = "turns in one document";
        return Finish(outcome, out, IntakeResult::BrokenOff, -1);
    }

    // Read aside: the document changes only once the reading may stand.
    TurnNode fresh(date);
    LevelWidths widths = doc.Extras().levelWidths;
    RegionFault fault;
    TurnExtras& extras = fresh.extras.Change();
    int result = ReadLocList(dateLine, fresh, &out.regions, &widths, &fault, &extras);
    ReadTurnExtras(dateLine, out.regions, extras);
    // A count its field cannot say would be written, and lost at the next opening.
    if (result == 0 && !KeepsToFileLimits(fresh, dateLine, fault)) result = -1;
    if (result != 0) {
        out.fault = FaultOf(fault.kind);
        out.line = fault.line;
        out.list = fault.list;
    } else if (int cut = FindCut(lines, dateLine, out.regions)) {
        result = -1;
        out.line = cut;
    }
    // A broken reading never takes the place of a loaded turn, and stands for a new one only
    // when it holds a region and keeps to the file's limits.
    if (result != 0 && (loaded || out.regions == 0 || out.fault == IntakeFault::ListTooLong))
        return Finish(outcome, out, IntakeResult::BrokenOff, result);
    if (loaded) {
        // Asked once the reading is whole, so that the question can say what would be lost.
        int own = faction.Number();
        TurnReplacement replacement{date, SizeOfTurn(fresh, own), SizeOfTurn(*loaded, own)};
        if (!target.user.ReplaceTurn(replacement)) {
            out.regions = 0; // none of them taken
            return Finish(outcome, out, IntakeResult::Kept, 1);
        }
    }
    IntakeResult kind = result != 0 ? IntakeResult::BrokenOff
                        : loaded    ? IntakeResult::Replaced
                                    : IntakeResult::Added;

    // Only a report whose whole header was accepted may fix the document's faction.
    if (takesFaction) doc.SetFaction(faction);
    TurnNode* turn = loaded ? loaded : doc.RegisterTurn(date);
    turn->TakeContents(fresh);
    doc.Reindex();
    doc.Extras().levelWidths = widths;
    out.replaced = loaded != nullptr;
    doc.SetModified(true);
    return Finish(outcome, out, kind, result);
}

IntakeOutcome AddReportFile(const char* path, const IntakeTarget& target) {
    IntakeOutcome outcome;
    errno = 0;
    InputFile file(path, kMaxReportBytes);
    switch (file.GetResult()) {
    case InputFile::Opened:
        AddReport(file.Stream(), target, &outcome);
        return outcome;
    case InputFile::NotRegular:
        outcome.fault = IntakeFault::NotAFile;
        break;
    case InputFile::TooLarge:
        outcome.fault = IntakeFault::TooLarge;
        break;
    default:
        outcome.errorNumber = file.Error() ? file.Error() : ENOENT;
        break;
    }
    outcome.kind = IntakeResult::NotOpened;
    outcome.result = -1;
    return outcome;
}

bool PeekReportHeader(const char* path, AtlFaction& faction, AtlDate& date) {
    // The header stands in the first lines; a treasury block before it is short.
    constexpr size_t kHead = 16 * 1024;
    InputFile file(path, kMaxReportBytes);
    if (file.GetResult() != InputFile::Opened) return false;
    iwstream& in = file.Stream();
    std::vector<unsigned char> head(kHead);
    long n = in.read(head.data(), static_cast<long>(head.size()));
    imwstream text(head.data(), static_cast<size_t>(n > 0 ? n : 0));
    ReportLines lines;
    lines.Read(text, nullptr);
    ReportLine* dateLine = nullptr;
    Str name;
    return ReadHeader(lines, faction, name, date, dateLine) == IntakeResult::Added;
}

Str ReportDirectory(const char* path) {
    std::string_view text(path ? path : "");
    size_t last = text.find_last_of("/\\");
    return last == std::string_view::npos ? Str() : Str(text.substr(0, last));
}
