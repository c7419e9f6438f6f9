// View, Turn events: the turn on show's errors, battles and events, with the hexes they name
// as links to the map.
#include "report/textcoords.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

namespace {

// Lines under a heading, each coordinate a link to the next index of hexes.
void AddPart(std::vector<DLinesWindow::Line>& lines, std::vector<AtlCoord>& hexes,
             const char* heading, const std::vector<Str>& part) {
    if (part.empty()) return;
    if (!lines.empty()) lines.push_back({});
    lines.push_back({Str(heading), true, {}});
    for (const Str& text : part) {
        DLinesWindow::Line line{text, false, {}};
        for (const TextCoord& found : FindTextCoords(text.Get())) {
            line.links.push_back({found.from, found.length, static_cast<int>(hexes.size())});
            hexes.push_back(found.coord);
        }
        lines.push_back(std::move(line));
    }
}

} // namespace

void FrameWindow::CmViewTurnEvents() {
    if (!turnEvents_) {
        turnEvents_ = std::make_unique<DLinesWindow>(this, "Turn events", [this](int target) {
            if (target < 0 || target >= static_cast<int>(eventHexes_.size())) return;
            GoTo(eventHexes_[static_cast<size_t>(target)]);
            UpdateCommands();
        });
        RefreshTurnEvents();
    }
    turnEvents_->Open();
}

void FrameWindow::RefreshTurnEvents() {
    if (!turnEvents_) return;
    std::vector<DLinesWindow::Line> lines;
    eventHexes_.clear();
    const TurnNode* turn = Document().FindTurn(ShownDate());
    if (const TurnExtras* extras = turn ? KeptExtras(Document(), turn->date) : nullptr) {
        AddPart(lines, eventHexes_, "Errors during turn:", extras->events.errors);
        AddPart(lines, eventHexes_, "Battles during turn:", extras->events.battles);
        AddPart(lines, eventHexes_, "Events during turn:", extras->events.events);
    }
    Str caption("Turn events");
    if (turn) caption += " - " + ShownDate().GetString();
    turnEvents_->SetCaption(caption.Get());
    if (lines.empty())
        lines.push_back({Str(turn ? "This turn's report was read before its events were kept."
                                  : "No report was read for this turn."),
                         false,
                         {}});
    turnEvents_->SetLines(std::move(lines));
}
