// View, Changes: the turn on show's changes against the month before, each line's hex a link
// to the map, and the changed hexes outlined on the map while the list is open.
#include "app/globals.h"
#include "base/cp1252.h"
#include "base/messagetext.h"
#include "map/turnchanges.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

namespace {

constexpr const char* kChangesSection = "ChangesPanel";
// A few lines of changes below the map.
constexpr int kChangesHeight = 220;

} // namespace

DLinesWindow& FrameWindow::ChangesPanel() {
    if (!changes_) {
        changes_ = std::make_unique<DLinesWindow>(
            this, Language.Text(Msg::Changes).Get(),
            DDockPanel::Place{Profile, kChangesSection, DDockPanel::Bottom, kChangesHeight},
            [this](int target) {
                if (target < 0 || target >= static_cast<int>(changeHexes_.size())) return;
                GoTo(changeHexes_[static_cast<size_t>(target)]);
                UpdateCommands();
            });
        changes_->OnClosed([this] {
            // The outlines belong to the open list.
            map_->SetMarks(MarkKind::Changes, {});
            map_->SetFocus();
        });
    }
    return *changes_;
}

void FrameWindow::CmViewChanges() {
    ChangesPanel().Open();
    RefreshChanges();
}

void FrameWindow::OpenKeptChangesPanel() {
    if (!DDockPanel::WasOpen(Profile, kChangesSection)) return;
    // Where it was left; the keyboard stays with the map.
    ChangesPanel().DDockPanel::Open();
    RefreshChanges();
}

void FrameWindow::RefreshChanges() {
    if (!changes_ || !changes_->IsOpen()) return;
    const std::vector<TurnChange> changes = TurnChanges(Document(), ShownDate());
    std::vector<DLinesWindow::Line> lines;
    changeHexes_.clear();
    for (const TurnChange& change : changes) {
        // "(0,32)  arrived  Scouts (403)": the hex as the report writes it, the link.
        const Str hex = change.coord.GetString();
        Str text = hex;
        text += "  ";
        text += Utf8ToCp1252(Language.Text(ChangeKindMessage(change.kind)).Get()).c_str();
        text += "  ";
        text += change.text.c_str();
        lines.push_back({text, false, {{0, hex.Length(), static_cast<int>(changeHexes_.size())}}});
        changeHexes_.push_back(change.coord);
    }
    const Str month = ShownDate().GetString();
    if (lines.empty() && !Document().KnownMonths().empty())
        lines.push_back(
            {Str(Utf8ToCp1252(
                     FormatMessageText(Language.Text(Msg::NoChanges).Get(), month.Get()).Get())
                     .c_str()),
             false,
             {}});
    Str caption = Language.Text(Msg::Changes);
    if (!Document().KnownMonths().empty()) caption += " - " + month;
    changes_->SetCaption(caption.Get());
    changes_->SetLines(std::move(lines));
    map_->SetMarks(MarkKind::Changes, ChangedHexes(changes));
}
