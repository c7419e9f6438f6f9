// View, Turn events: the turn on show's errors, battles and events, with the hexes they name
// as links to the map.
#include "app/globals.h"
#include "base/cp1252.h"
#include "doc/docmessages.h"
#include "report/textcoords.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

namespace {

// The window shows its lines as report text, which is Windows-1252; the language's texts are
// UTF-8.
Str AsReportText(const Str& text) {
    return Str(Utf8ToCp1252(text.Get()).c_str());
}

// Lines under a heading, each coordinate a link to the next index of hexes.
void AddPart(std::vector<DLinesWindow::Line>& lines, std::vector<AtlCoord>& hexes,
             const Str& heading, const std::vector<Str>& part) {
    if (part.empty()) return;
    if (!lines.empty()) lines.push_back({});
    lines.push_back({AsReportText(heading), true, {}});
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
    EventsPanel().Open();
}

void FrameWindow::RefreshTurnEvents() {
    if (!turnEvents_) return;
    std::vector<DLinesWindow::Line> lines;
    eventHexes_.clear();
    const TurnNode* turn = Document().FindTurn(ShownDate());
    if (const TurnExtras* extras = turn ? turn->extras.Find() : nullptr) {
        for (const EventsPart& part : EventsParts(extras->events))
            AddPart(lines, eventHexes_, Language.Text(part.heading), part.lines);
    }
    Str caption = Language.Text(Msg::TurnEvents);
    if (turn) caption += " - " + ShownDate().GetString();
    turnEvents_->SetCaption(caption.Get());
    if (lines.empty())
        lines.push_back(
            {AsReportText(Language.Text(turn ? Msg::EventsNotKept : Msg::NoReportForTurn)),
             false,
             {}});
    turnEvents_->SetLines(std::move(lines));
}
