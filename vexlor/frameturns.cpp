// The main window's ways through the turns and over the map: first and last turn, a turn
// picked from the toolbar's list, and the find box.
#include "ui/findbox.h"
#include "vexlor/framewindow.h"

void FrameWindow::ShowTurn(AtlDate date) {
    // The controller tells the window, which then shows it.
    doc_.ShowDate(date);
}

void FrameWindow::CmViewFirstTurn() {
    if (Document().FirstTurn()) ShowTurn(Document().FirstTurn()->date);
}

void FrameWindow::CmViewLastTurn() {
    if (Document().LastTurn()) ShowTurn(Document().LastTurn()->date);
}

void FrameWindow::CmViewFind() {
    if (!findBox_)
        findBox_ = std::make_unique<DFindBox>(
            this, "Find", [this](const Str& text) { return Find(text); },
            [this](int index) { ChooseFound(index); });
    findBox_->Open();
}

std::vector<Str> FrameWindow::Find(const Str& text) {
    found_ = FindOnMap(panes_.map->GetMap(), text.Get());
    std::vector<Str> lines;
    lines.reserve(found_.size());
    for (const FindMatch& match : found_) {
        Str line = match.coord.GetString();
        line += "  ";
        line += FindKindName(match.kind);
        line += "  ";
        line += match.text;
        lines.push_back(std::move(line));
    }
    return lines;
}

void FrameWindow::ChooseFound(int index) {
    if (index < 0 || index >= static_cast<int>(found_.size())) return;
    panes_.map->GoTo(found_[static_cast<size_t>(index)].coord);
    UpdateCommands();
}
