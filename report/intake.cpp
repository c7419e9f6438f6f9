#include "report/intake.h"

#include "base/wstream.h"
#include "report/extrasreader.h"
#include "report/linetype.h"
#include "report/regions.h"
#include "report/scan.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

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

int Finish(IntakeOutcome* outcome, IntakeOutcome& local, IntakeResult kind, int result) {
    local.kind = kind;
    local.result = result;
    if (outcome) *outcome = local;
    return result;
}

// The header lines after the ";" lines and empty lines: "Atlantis Report For:", the faction,
// the date. NotAReport, or Added when all three were read.
IntakeResult ReadHeader(const StrList& lines, AtlFaction& faction, AtlDate& date,
                        StrNode*& dateLine) {
    StrNode* header = SkipHeaderComments(lines.GetFirst());
    if (!header || GetLineType(header->text.Get()) != LineType::ReportFor)
        return IntakeResult::NotAReport;
    StrNode* factionLine = header->Next();
    if (ReadReportFaction(factionLine, faction) != 0) return IntakeResult::NotAReport;
    dateLine = factionLine->Next();
    if (ReadReportDate(dateLine, date) != 0) return IntakeResult::NotAReport;
    return IntakeResult::Added;
}

bool OnlyBlanks(const StrList& lines) {
    for (StrNode* n = lines.GetFirst(); n; n = n->Next())
        if (std::strspn(n->text.Get(), " \t\r\n\f") != n->text.Length()) return false;
    return true;
}

} // namespace

int AddReport(iwstream& is, const IntakeTarget& target, IntakeOutcome* outcome) {
    IntakeOutcome out;
    VexlorDoc& doc = target.doc;

    StrList lines;
    LinesFault fault;
    if (int split = SplitLines(is, lines, target.debugFile, &fault); split != 0) {
        // A NUL byte after a header breaks the report off there; before one (a binary file)
        // there is no report at all.
        AtlFaction faction;
        AtlDate date;
        StrNode* dateLine = nullptr;
        if (fault.kind != LinesFault::NulByte ||
            ReadHeader(lines, faction, date, dateLine) != IntakeResult::Added)
            return Finish(outcome, out, IntakeResult::NotAReport, split);
        out.line = fault.line;
        return Finish(outcome, out, IntakeResult::BrokenOff, split);
    }
    if (OnlyBlanks(lines)) return Finish(outcome, out, IntakeResult::Empty, -1);

    StrNode* dateLine = nullptr;
    AtlFaction faction;
    AtlDate date;
    if (ReadHeader(lines, faction, date, dateLine) != IntakeResult::Added)
        return Finish(outcome, out, IntakeResult::NotAReport, -1);
    out.headerRead = true;
    out.faction = faction;
    out.date = date;
    bool takesFaction = doc.GetFaction().Number() == 0 && !doc.FirstTurn();
    if (!takesFaction && doc.GetFaction() != faction)
        return Finish(outcome, out, IntakeResult::OtherFaction, 1);

    bool loaded = doc.FindTurn(date) != nullptr;
    if (loaded) {
        if (!target.user.ReplaceTurn(date)) return Finish(outcome, out, IntakeResult::Kept, 1);
        out.replaced = true;
    }

    // Read beside the document, so that a report that fails before its first region leaves
    // no trace.
    auto turn = std::make_unique<TurnNode>(date);
    int result = ReadLocList(dateLine, *turn, &out.regions, &doc.Extras().levelWidths, &out.line);
    ReadTurnExtras(dateLine, out.regions, *turn);
    if (result == 0 && out.regions == 0) {
        // Every report describes at least the region its faction stands in: one without a
        // region block stops after its header.
        result = -1;
        out.line = ReportLineNumber(lines.GetLast()) + 1;
    }
    IntakeResult kind = result != 0 ? IntakeResult::BrokenOff
                        : loaded    ? IntakeResult::Replaced
                                    : IntakeResult::Added;
    if (result != 0 && out.regions == 0) return Finish(outcome, out, kind, result);

    // Only a report whose header was accepted may fix the document's faction.
    if (takesFaction) doc.SetFaction(faction);
    doc.PutTurn(std::move(turn));
    doc.SetModified(true);
    return Finish(outcome, out, kind, result);
}

IntakeOutcome AddReportFile(const char* path, const IntakeTarget& target) {
    IntakeOutcome outcome;
    errno = 0;
    ifwstream in(path ? path : "", 64 * 1024);
    if (!path || !in.good()) {
        outcome.kind = IntakeResult::NotOpened;
        outcome.errorNumber = errno ? errno : ENOENT;
        outcome.result = -1;
        return outcome;
    }
    AddReport(in, target, &outcome);
    return outcome;
}

bool PeekReportHeader(const char* path, AtlFaction& faction, AtlDate& date) {
    // The header stands in the first lines; a treasury block before it is short.
    constexpr size_t kHead = 16 * 1024;
    ifwstream in(path ? path : "", kHead);
    if (!path || !in.good()) return false;
    std::vector<unsigned char> head(kHead);
    long n = in.read(head.data(), static_cast<long>(head.size()));
    imwstream text(head.data(), static_cast<size_t>(n > 0 ? n : 0));
    StrList lines;
    SplitLines(text, lines, nullptr);
    StrNode* dateLine = nullptr;
    return ReadHeader(lines, faction, date, dateLine) == IntakeResult::Added;
}

Str ReportDirectory(const char* path) {
    std::string_view text(path ? path : "");
    size_t last = text.find_last_of("/\\");
    return last == std::string_view::npos ? Str() : Str(text.substr(0, last));
}
