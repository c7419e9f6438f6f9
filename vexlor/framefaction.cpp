// View, Faction: the turn on show's faction status, declared attitudes and unclaimed silver as
// the report wrote them. View, Reference: the skill, item and object descriptions the reports
// gave, by kind; a skill or item line of the description pane opens its own.
#include "app/globals.h"
#include "base/cp1252.h"
#include "base/messagetext.h"
#include "doc/docmessages.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

namespace {

constexpr const char* kFactionSection = "FactionPanel";
constexpr const char* kReferenceSection = "ReferencePanel";
// A few lines of status and attitudes; a column of descriptions beside the map.
constexpr int kFactionHeight = 220;
constexpr int kReferenceWidth = 420;

// The window shows its lines as report text, which is Windows-1252; the language's texts are
// UTF-8.
DLinesWindow::Line Heading(const Str& text, bool heading = true) {
    return {Str(Utf8ToCp1252(text.Get()).c_str()), heading, {}};
}

// A line that says why there is nothing to show.
DLinesWindow::Line Note(int textId) {
    return Heading(Language.Text(textId), false);
}

std::vector<DLinesWindow::Line> PageLines(const FactionPage& page) {
    std::vector<DLinesWindow::Line> lines;
    for (const PagePart& part : FactionPageParts(page)) {
        if (part.lines.empty()) continue;
        if (!lines.empty()) lines.push_back({});
        if (part.heading)
            lines.push_back(
                Heading(FormatMessageText(Language.Text(part.heading).Get(), part.argument.Get())));
        for (const Str& text : part.lines)
            lines.push_back({text, false, {}});
    }
    return lines;
}

} // namespace

void FrameWindow::CmViewFaction() {
    FactionPanel().Open();
}

void FrameWindow::CmViewReference() {
    ReferencePanel().Open();
}

DLinesWindow& FrameWindow::FactionPanel() {
    if (!factionPage_) {
        factionPage_ = std::make_unique<DLinesWindow>(
            this, Language.Text(Msg::FactionPage).Get(),
            DDockPanel::Place{Profile, kFactionSection, DDockPanel::Bottom, kFactionHeight},
            nullptr);
        factionPage_->OnClosed([this] { map_->SetFocus(); });
        RefreshFactionPage();
    }
    return *factionPage_;
}

DLinesWindow& FrameWindow::ReferencePanel() {
    if (!references_) {
        references_ = std::make_unique<DLinesWindow>(
            this, Language.Text(Msg::Reference).Get(),
            DDockPanel::Place{Profile, kReferenceSection, DDockPanel::Right, kReferenceWidth},
            nullptr);
        references_->OnClosed([this] { map_->SetFocus(); });
        RefreshReferences();
    }
    return *references_;
}

void FrameWindow::OpenKeptPagePanels() {
    if (DDockPanel::WasOpen(Profile, kFactionSection)) FactionPanel().DDockPanel::Open();
    if (DDockPanel::WasOpen(Profile, kReferenceSection)) ReferencePanel().DDockPanel::Open();
}

void FrameWindow::ShowReference(ReferenceKind kind, const Str& abbr) {
    DLinesWindow& panel = ReferencePanel();
    panel.Open();
    // The entry's name and abbreviation begin its text, and other entries name it so where
    // they need it.
    const Reference* entry = Document().Extras().references.Find(kind, abbr.View());
    panel.SetFilter((entry ? entry->name + " [" + abbr + "]" : "[" + abbr + "]").Get());
}

void FrameWindow::RefreshFactionPage() {
    if (!factionPage_) return;
    const TurnNode* turn = Document().FindTurn(ShownDate());
    const TurnExtras* extras = turn ? turn->extras.Find() : nullptr;
    std::vector<DLinesWindow::Line> lines;
    if (extras) lines = PageLines(extras->faction);
    Str caption = Language.Text(Msg::FactionPage);
    if (turn) caption += " - " + ShownDate().GetString();
    factionPage_->SetCaption(caption.Get());
    if (lines.empty()) lines.push_back(Note(turn ? Msg::PageNotKept : Msg::NoReportForTurn));
    factionPage_->SetLines(std::move(lines));
}

void FrameWindow::RefreshReferences() {
    if (!references_) return;
    std::vector<DLinesWindow::Line> lines;
    const Reference* previous = nullptr;
    for (const Reference& entry : Document().Extras().references.All()) {
        if (!previous || entry.kind != previous->kind) {
            if (previous) lines.push_back({});
            lines.push_back(Heading(Language.Text(ReferenceHeading(entry.kind))));
        }
        lines.push_back({entry.text, false, {}});
        previous = &entry;
    }
    if (lines.empty()) lines.push_back(Note(Msg::NoReferences));
    references_->SetLines(std::move(lines));
}
