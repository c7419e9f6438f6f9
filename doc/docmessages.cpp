#include "doc/docmessages.h"

#include "base/messagetext.h"
#include "doc/syserror.h"

#include <string>

namespace {

// Each kind's text and the fields it names, in order: f file, r reason, l line, d date,
// n the report's faction, m the map's faction, i what a list holds, k how many names a file has,
// a the report's faction's name, t how many months.
struct KindRow {
    DocOutcomeKind kind;
    int text; // 0: no message
    const char* fields;
    bool failure;
};

const KindRow kRows[] = {
    {DocOutcomeKind::Done, 0, "", false},
    {DocOutcomeKind::CannotOpen, Msg::CannotOpenFile, "fr", true},
    {DocOutcomeKind::NotADocument, Msg::NotAMapDocument, "f", true},
    {DocOutcomeKind::UnknownVersion, Msg::UnknownVersion, "f", true},
    {DocOutcomeKind::DocumentDamaged, Msg::DocumentDamaged, "f", true},
    {DocOutcomeKind::SaveFailed, Msg::SaveFailed, "fr", true},
    {DocOutcomeKind::ExportFailed, Msg::ExportFailed, "fr", true},
    {DocOutcomeKind::ReportAdded, Msg::ReportAdded, "fd", false},
    {DocOutcomeKind::ReportReplaced, Msg::ReportReplaced, "fd", false},
    {DocOutcomeKind::ReportKept, Msg::ReportKept, "fd", false},
    {DocOutcomeKind::ReportEmpty, Msg::ReportEmpty, "f", true},
    {DocOutcomeKind::NotAReport, Msg::NotAReport, "f", true},
    {DocOutcomeKind::OtherFaction, Msg::OtherFactionOf, "fnm", true},
    {DocOutcomeKind::ReportBrokenOff, Msg::BreaksOff, "fl", true},
    {DocOutcomeKind::NoSuchTurn, Msg::NoSuchTurn, "fd", true},
    {DocOutcomeKind::Cancelled, 0, "", false},
    {DocOutcomeKind::NotAFile, Msg::NotAFile, "f", true},
    {DocOutcomeKind::ReportTooLarge, Msg::ReportTooLarge, "f", true},
    {DocOutcomeKind::NulByte, Msg::NulByte, "fl", true},
    {DocOutcomeKind::CoordinateTooLarge, Msg::CoordinateTooLarge, "fl", true},
    {DocOutcomeKind::ListTooLong, Msg::ListTooLong, "fli", true},
    {DocOutcomeKind::ReadOnly, Msg::ReadOnly, "f", true},
    {DocOutcomeKind::ChangedOnDisk, Msg::ChangedOnDisk, "f", true},
    {DocOutcomeKind::Busy, Msg::Busy, "f", true},
    {DocOutcomeKind::PictureIsTheDocument, Msg::PictureIsTheDocument, "f", true},
    {DocOutcomeKind::NotAPicture, Msg::NotAPicture, "f", true},
    {DocOutcomeKind::SaveBeyondLimits, Msg::SaveBeyondLimits, "f", true},
    {DocOutcomeKind::ExtrasDamaged, Msg::ExtrasDamaged, "f", true},
    {DocOutcomeKind::LinksSplit, Msg::LinksSplit, "fk", false},
    {DocOutcomeKind::ChangedWhileRead, Msg::ChangedWhileRead, "f", true},
    {DocOutcomeKind::ReportSmaller, 0, "", true}, // its text is the question (ReplaceQuestion)
    {DocOutcomeKind::AllyReportAdded, Msg::AllyReportAdded, "fdan", false},
    {DocOutcomeKind::AllyReportReplaced, Msg::AllyReportReplaced, "fdan", false},
    {DocOutcomeKind::AllyMapAdded, Msg::AllyMapAdded, "ftan", false},
    {DocOutcomeKind::AllyMapDamaged, Msg::AllyMapDamaged, "f", true},
    {DocOutcomeKind::AllyMapNoFaction, Msg::AllyMapNoFaction, "f", true},
    {DocOutcomeKind::AllyMapOwnFaction, Msg::AllyMapOwnFaction, "fn", true},
    {DocOutcomeKind::AllyMapOtherFaction, Msg::AllyMapOtherFaction, "fnm", true},
    {DocOutcomeKind::AllyNeedsOwnMap, Msg::AllyNeedsOwnMap, "f", true},
    {DocOutcomeKind::NoSuchAlly, Msg::NoSuchAlly, "n", true},
    {DocOutcomeKind::AllyRemoved, Msg::AllyRemoved, "an", false},
    {DocOutcomeKind::AllyWithoutFile, Msg::AllyWithoutFile, "an", true},
    {DocOutcomeKind::ExportIsTheDocument, Msg::ExportIsTheDocument, "f", true},
};

const KindRow& RowOf(DocOutcomeKind kind) {
    for (const KindRow& row : kRows)
        if (row.kind == kind) return row;
    return kRows[0];
}

std::string Field(char field, const DocOutcome& o, const MessageTexts& texts) {
    switch (field) {
    case 'f':
        return o.file;
    case 'r':
        return texts.ErrorText(o.errorNumber).Get();
    case 'l':
        return std::to_string(o.line);
    case 'd':
        return o.date.GetString().Get();
    case 'n':
        return std::to_string(o.faction);
    case 'm':
        return std::to_string(o.docFaction);
    case 'i':
        return o.list;
    case 'k':
        return std::to_string(o.names);
    case 'a':
        return o.factionName;
    case 't':
        return std::to_string(o.turns);
    default:
        return std::string();
    }
}

// The text id filled with the given fields of o (at most four).
Str Fill(int id, const char* fields, const DocOutcome& o, const MessageTexts& texts) {
    std::string values[4];
    for (int i = 0; i < 4 && fields[i]; ++i)
        values[i] = Field(fields[i], o, texts);
    return FormatMessageText(MessageText(id, texts).Get(),
                             {values[0], values[1], values[2], values[3]});
}

} // namespace

Str MessageTexts::Text(int) const {
    return Str();
}

Str MessageTexts::ErrorText(int errnoValue) const {
    return EnglishErrorText(errnoValue);
}

Str MessageText(int id, const MessageTexts& texts) {
    Str text = texts.Text(id);
    return text.IsEmpty() ? Str(EnglishMessage(id)) : text;
}

bool IsFailure(DocOutcomeKind kind) {
    return RowOf(kind).failure;
}

Str DocMessage(const DocOutcome& outcome, const MessageTexts& texts) {
    if (outcome.kind == DocOutcomeKind::ReportSmaller) return ReplaceQuestion(outcome, texts);
    const KindRow& row = RowOf(outcome.kind);
    return row.text ? Fill(row.text, row.fields, outcome, texts) : Str();
}

bool LosesFromTurn(const DocOutcome& outcome) {
    return outcome.reportSize.Smaller(outcome.heldSize);
}

Str ReplaceQuestion(const DocOutcome& outcome, const MessageTexts& texts) {
    if (!LosesFromTurn(outcome)) return Fill(Msg::ReplaceTurn, "fd", outcome, texts);
    // Regions first: a report that lost regions lost what stood in them.
    bool regions = outcome.reportSize.regions < outcome.heldSize.regions;
    const TurnSize& r = outcome.reportSize;
    const TurnSize& h = outcome.heldSize;
    return FormatMessageText(
        MessageText(regions ? Msg::FewerRegions : Msg::FewerUnits, texts).Get(),
        {outcome.file, std::to_string(regions ? r.regions : r.units),
         std::to_string(regions ? h.regions : h.units)});
}

Str AllyQuestion(const DocOutcome& outcome, const MessageTexts& texts) {
    return Fill(Msg::AllyReportQuestion, "an", outcome, texts);
}

Str ReportsSummary(const ReportsOutcome& outcome, const MessageTexts& texts) {
    // An ally's report counts as any other.
    auto count = [&](DocOutcomeKind own, DocOutcomeKind ally) {
        return std::to_string(outcome.Count(own) + outcome.Count(ally));
    };
    std::string counts[4] = {
        count(DocOutcomeKind::ReportAdded, DocOutcomeKind::AllyReportAdded),
        count(DocOutcomeKind::ReportReplaced, DocOutcomeKind::AllyReportReplaced),
        std::to_string(outcome.Count(DocOutcomeKind::ReportKept)),
        std::to_string(outcome.Refused())};
    std::string text = FormatMessageText(MessageText(Msg::ReportsSummary, texts).Get(),
                                         {counts[0], counts[1], counts[2], counts[3]})
                           .Get();
    if (outcome.Refused() > 0) {
        text += "\n\n";
        text += MessageText(Msg::Refused, texts).Get();
        for (const DocOutcome& report : outcome.reports)
            if (IsFailure(report.kind)) {
                text += "\n";
                text += DocMessage(report, texts).Get();
            }
    }
    return Str(std::string_view(text));
}

std::array<EventsPart, 3> EventsParts(const TurnEvents& events) {
    return {{{Msg::ErrorsHeading, events.errors},
             {Msg::BattlesHeading, events.battles},
             {Msg::EventsHeading, events.events}}};
}

int ReportsOutcome::Count(DocOutcomeKind kind) const {
    int n = 0;
    for (const DocOutcome& report : reports)
        n += report.kind == kind;
    return n;
}

int ReportsOutcome::Refused() const {
    int n = 0;
    for (const DocOutcome& report : reports)
        n += IsFailure(report.kind);
    return n;
}
