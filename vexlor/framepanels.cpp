// The panels docked beside the map, find, turn events, the minimap and allies: made on first
// use, opened again at start when the program was left with them open, and closing one gives
// the keyboard back to the map.
#include "app/globals.h"
#include "mapwindow/minimappanel.h"
#include "ui/alliespanel.h"
#include "ui/findbox.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

namespace {

constexpr const char* kFindSection = "FindPanel";
constexpr const char* kEventsSection = "EventsPanel";
constexpr const char* kMinimapSection = "MinimapPanel";
constexpr const char* kAlliesSection = "AlliesPanel";
// Wide enough for a line and its month, and for a few lines of events.
constexpr int kFindWidth = 420;
constexpr int kEventsHeight = 220;
// A 64 x 64 world at about four pixels a hex.
constexpr int kMinimapWidth = 260;
// Room for the allies' five columns and a few of them.
constexpr int kAlliesHeight = 170;

} // namespace

DFindBox& FrameWindow::FindPanel() {
    if (!findBox_) {
        findBox_ = std::make_unique<DFindBox>(
            this, Language.Text(Msg::Find).Get(),
            DDockPanel::Place{Profile, kFindSection, DDockPanel::Left, kFindWidth},
            [this](const Str& text) { return Find(text); },
            [this](int index) { ChooseFound(index); });
        findBox_->SetLineAction(Msg::TrackUnit, [this](int index) {
            if (index < 0 || index >= static_cast<int>(found_.size())) return;
            // Where the unit was found, as a click would go, so that its track is in sight.
            ChooseFound(index);
            TrackUnit(found_[static_cast<size_t>(index)].unit);
        });
        findBox_->OnClosed([this] { map_->SetFocus(); });
    }
    return *findBox_;
}

DLinesWindow& FrameWindow::EventsPanel() {
    if (!turnEvents_) {
        turnEvents_ = std::make_unique<DLinesWindow>(
            this, Language.Text(Msg::TurnEvents).Get(),
            DDockPanel::Place{Profile, kEventsSection, DDockPanel::Bottom, kEventsHeight},
            [this](int target) {
                if (target < 0 || target >= static_cast<int>(eventHexes_.size())) return;
                GoTo(eventHexes_[static_cast<size_t>(target)]);
                UpdateCommands();
            });
        turnEvents_->OnClosed([this] { map_->SetFocus(); });
        RefreshTurnEvents();
    }
    return *turnEvents_;
}

MinimapPanel& FrameWindow::MinimapView() {
    if (!minimap_) {
        minimap_ = std::make_unique<MinimapPanel>(
            this, Language.Text(Msg::Minimap).Get(),
            DDockPanel::Place{Profile, kMinimapSection, DDockPanel::Right, kMinimapWidth}, *map_);
        minimap_->OnClosed([this] {
            SetCommandChecked(CM_VIEWMINIMAP, false);
            map_->SetFocus();
        });
    }
    return *minimap_;
}

void FrameWindow::CmViewMinimap() {
    MinimapPanel& minimap = MinimapView();
    if (minimap.IsOpen()) {
        minimap.Close();
        return;
    }
    minimap.Open();
    SetCommandChecked(CM_VIEWMINIMAP, true);
}

void FrameWindow::ViewMoved() {
    if (minimap_) minimap_->Follow();
}

DAlliesPanel& FrameWindow::AlliesPanel() {
    if (!allies_) {
        allies_ = std::make_unique<DAlliesPanel>(
            this, Language.Text(Msg::Allies).Get(),
            DDockPanel::Place{Profile, kAlliesSection, DDockPanel::Bottom, kAlliesHeight},
            [this](int faction) { RemoveAlly(faction); },
            [this](int faction) { RefreshAlly(faction); });
        allies_->OnClosed([this] { map_->SetFocus(); });
        RefreshAllies();
    }
    return *allies_;
}

void FrameWindow::OpenKeptPanels() {
    // Shown where they were left; the keyboard stays with the map.
    if (DDockPanel::WasOpen(Profile, kFindSection)) FindPanel().DDockPanel::Open();
    if (DDockPanel::WasOpen(Profile, kEventsSection)) EventsPanel().DDockPanel::Open();
    OpenKeptChangesPanel();
    if (DDockPanel::WasOpen(Profile, kMinimapSection)) CmViewMinimap();
    SetCommandChecked(CM_VIEWMINIMAP, minimap_ && minimap_->IsOpen());
    OpenKeptPagePanels();
    if (DDockPanel::WasOpen(Profile, kAlliesSection)) AlliesPanel().Open();
    OpenKeptTablePanels();
    OpenKeptHistory();
}
