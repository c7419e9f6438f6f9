// The main window's ways through the turns and over the map: first and last turn, a turn
// picked from the toolbar's list, the find box and the zoom.
#include "app/globals.h"
#include "base/cp1252.h"
#include "base/messagetext.h"
#include "map/hexgeometry.h"
#include "map/zoom.h"
#include "ui/findbox.h"
#include "vexlor/framewindow.h"

void FrameWindow::ShowTurn(AtlDate date) {
    // The controller tells the window, which then shows it.
    doc_.ShowDate(date);
}

void FrameWindow::CmViewFirstTurn() {
    if (!Document().KnownMonths().empty()) ShowTurn(Document().FirstMonth());
}

void FrameWindow::CmViewLastTurn() {
    if (!Document().KnownMonths().empty()) ShowTurn(Document().LastMonth());
}

void FrameWindow::CmViewFind() {
    FindPanel().Open();
}

std::vector<DFindBox::Line> FrameWindow::Find(const Str& text) {
    found_ = FindOnMap(map_->GetMap(), text.Get());
    std::vector<DFindBox::Line> lines;
    lines.reserve(found_.size());
    for (const FindMatch& match : found_) {
        Str line = match.coord.GetString();
        line += "  ";
        line += FindKindName(match.kind);
        line += "  ";
        line += match.text;
        // A sighting from before the turn on show says which month it is from.
        bool older = match.seen < ShownDate();
        if (older) {
            line += "  ";
            line += FormatMessageText(Language.Text(Msg::FoundSeenIn).Get(),
                                      match.seen.GetString().Get());
        }
        lines.push_back(
            {Str(Utf8ToCp1252(line.Get()).c_str()), older, match.kind == FindKind::Unit});
    }
    return lines;
}

void FrameWindow::ChooseFound(int index) {
    if (index < 0 || index >= static_cast<int>(found_.size())) return;
    GoTo(found_[static_cast<size_t>(index)].coord);
    UpdateCommands();
}

void FrameWindow::ZoomChanged(int step) {
    if (!zoomKept_) return;
    Profile.WriteInt("Options", "Zoom", HexGeometry::kZoomSteps[step].percent);
    UpdateCommands();
}

void FrameWindow::RegisterZoomCommands() {
    MapView& map = *map_;
    map.SetZoomStep(ZoomStepOfPercent(Profile.GetInt("Options", "Zoom", 100)));
    zoomKept_ = true;
    OnCommand(
        CM_VIEWZOOMIN, [&map] { map.SetZoomStep(map.GetZoomStep() + 1); },
        [&map] { return map.GetZoomStep() < HexGeometry::kZoomStepCount - 1; });
    OnCommand(
        CM_VIEWZOOMOUT, [&map] { map.SetZoomStep(map.GetZoomStep() - 1); },
        [&map] { return map.GetZoomStep() > 0; });
    OnCommand(
        CM_VIEWACTUALSIZE, [&map] { map.SetZoomStep(HexGeometry::kActualSize); },
        [&map] { return map.GetZoomStep() != HexGeometry::kActualSize; });
    OnCommand(CM_VIEWWHOLELEVEL, [&map] { map.ShowWholeLevel(); });
    // Ctrl++ needs Shift on most keyboards; Ctrl+= is the same key without it.
    AddShortcut("Ctrl+=", CM_VIEWZOOMIN);
}
