#include "report/intake.h"

#include "base/wstream.h"
#include "report/extrasreader.h"
#include "report/linetype.h"
#include "report/regions.h"
#include "report/scan.h"

#include <cstring>

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

int AddReport(iwstream& is, const IntakeTarget& target, IntakeOutcome* outcome) {
    IntakeOutcome out;
    VexlorDoc& doc = target.doc;
    AtlDate latest = doc.LastTurn() ? doc.LastTurn()->date : AtlDate();

    StrList lines;
    if (int split = SplitLines(is, lines, target.debugFile); split != 0)
        return Finish(outcome, out, split);

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

    // Only a report whose whole header was accepted may fix the document's faction.
    if (takesFaction) doc.SetFaction(faction);
    bool isNew = false;
    TurnNode* turn = doc.RegisterTurn(date, &isNew);
    if (!isNew) {
        Str question = FormatMessageText(target.user.MessageText(Msg::TurnLoaded).Get(),
                                         date.GetString().Get());
        if (!target.user.AskYesNo(question)) return Finish(outcome, out, 1);
        turn->Clear();
        doc.Extras().turns.erase(date);
        out.replaced = true;
    }

    TurnExtras& extras = doc.Extras().turns[date];
    int result = ReadLocList(dateLine, *turn, &out.regions, &doc.Extras().levelWidths, &extras);
    ReadTurnExtras(dateLine, out.regions, extras);

    if (target.shownDate == latest && turn->date > latest) target.shownDate = turn->date;
    target.user.Reformat();
    doc.SetModified(true);
    return Finish(outcome, out, result);
}

IntakeOutcome AddReportFile(const char* path, const IntakeTarget& target) {
    IntakeOutcome outcome;
    ifwstream in(path ? path : "", 64 * 1024);
    if (!path || !in.good()) {
        outcome.result = kIntakeNotOpened;
        target.user.ShowMessage(target.user.MessageText(Msg::CannotOpen));
        return outcome;
    }
    if (AddReport(in, target, &outcome) != 0) target.user.ShowMessage(Str(kParsingErrorMessage));
    return outcome;
}

Str ReportDirectory(const char* path) {
    std::string_view text(path ? path : "");
    size_t last = text.find_last_of("/\\");
    return last == std::string_view::npos ? Str() : Str(text.substr(0, last));
}
