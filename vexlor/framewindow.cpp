#include "vexlor/framewindow.h"

#include "app/globals.h"
#include "doc/shownames.h"
#include "gfx/bitmap.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "mapview/legend.h"
#include "mapwindow/minimappanel.h"
#include "model/levelname.h"
#include "ui/alliespanel.h"
#include "ui/findbox.h"
#include "ui/helpwindow.h"
#include "ui/historypanel.h"
#include "ui/lineswindow.h"
#include "ui/resdialog.h"
#include "ui/separator.h"
#include "ui/starthint.h"
#include "ui/statusbar.h"
#include "ui/tablepanel.h"
#include "ui/toolbar.h"
#include "vexlor/appmessage.h"
#include "vexlor/winmain.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr unsigned kAboutDialogId = 300;
constexpr int kToolbarCell = 20;
// Fixed widths, so that fields do not jump sideways as months change.
constexpr int kStatusFieldChars = 38; // "September, Year 12 (from earlier reports)"
constexpr int kLevelFieldChars = 20;  // "very deep underworld"
constexpr int kHoverFieldChars = 44;
constexpr int kNoteFieldChars = 20;

} // namespace

FrameWindow::FrameWindow(const char* caption, const MenuTemplate& menu)
    : DFrameWindow(caption, menu) {
    descr_ = std::make_unique<DescrTreeView>(this);
    descr_->SetName("descrPane");
    map_ = std::make_unique<MapView>(this, static_cast<MapViewHost&>(*this));
    map_->SetName("mapView");
    startHint_ = std::make_unique<DStartHint>(map_.get(), [this](unsigned c) { EvCommand(c); });
    descr_->OnGoTo([this](const AtlCoord& c) { GoTo(c); });
    descr_->OnReference([this](ReferenceKind kind, const Str& abbr) { ShowReference(kind, abbr); });
    descr_->OnTrackUnit([this](int32_t number) { TrackUnit(number); });
    doc_.SetObserver(this);
    doc_.SetQuestions(this);
    descr_->SetParent(this);
    map_->SetParent(this);
    separator_ = std::make_unique<DWindowSeparator>(this, "separator", [this](int code) {
        WSNSepChanged(code == DWindowSeparator::SepChanged);
    });
    int position = Profile.GetInt("Options", "Separator1", kDefaultSeparator);
    // A place off the window would hide a pane and the splitter with it.
    separatorPos_ = position >= 0 && position <= 1000 ? position : kDefaultSeparator;
    UpdateCaption();

    toolbar_ = std::make_unique<DToolbar>(this, "MAPTOOLBAR");
    SetupToolbar();
    statusBar_ = std::make_unique<DStatusBar>(this, "MAPSTATUSBAR");
    statusField_ = statusBar_->AddTextGadget(kStatusFieldChars);
    statusBar_->SetText(statusField_, "");
    levelField_ = statusBar_->AddTextGadget(kLevelFieldChars);
    statusBar_->SetText(levelField_, "");
    hoverField_ = statusBar_->AddTextGadget(kHoverFieldChars);
    noteField_ = statusBar_->AddTextGadget(kNoteFieldChars, true);

    RegisterCommands();
    OpenKeptPanels();
    if (Profile.GetInt("Options", "NewestUnitPlaces", 0) != 0)
        unitPlaces_ = OwnUnitPlaces::NewestKnown;
    SetCommandChecked(CM_VIEWNEWESTUNITS, unitPlaces_ == OwnUnitPlaces::NewestKnown);
    recent_.Load(Profile);
    UpdateRecentMenu();
    DragAcceptFiles(true);
    Resize();
}

FrameWindow::~FrameWindow() = default;

void FrameWindow::ShowNote(const Str& text) {
    if (statusBar_ && noteField_ >= 0) statusBar_->SetText(noteField_, text.Get());
}

void FrameWindow::ShowHover(const Str& text) {
    if (statusBar_ && hoverField_ >= 0) statusBar_->SetText(hoverField_, text.Get());
}

void FrameWindow::GoTo(const AtlCoord& c) {
    descr_->SetRoot(nullptr);
    map_->GoTo(c);
}

void FrameWindow::Reselect(const AtlCoord& c) {
    map_->GetMap().SelectHex(c, true);
    // Only the level on show is described.
    if (c.z != map_->GetCurPlain()) return;
    descr_->SetRoot(nullptr);
    map_->SelChanged();
}

void FrameWindow::RegisterCommands() {
    OnCommand(CM_FILENEW, [this] { CmFileNew(); });
    OnCommand(CM_FILEOPEN, [this] { CmFileOpen(); });
    OnCommand(CM_FILESAVE, [this] { CmFileSave(); });
    OnCommand(CM_FILESAVEAS, [this] { CmFileSaveAs(); });
    OnCommand(CM_FILEADDREPORT, [this] { CmFileAddReport(); });
    OnCommand(
        CM_FILEEXPORT, [this] { CmFileExport(); },
        [this] { return !Document().Turns().IsEmpty(); });
    OnCommand(
        CM_FILEEXPORTPART, [this] { CmFileExportPart(); },
        [this] { return !Document().Turns().IsEmpty(); });
    for (size_t i = 0; i < RecentFiles::kMax; ++i)
        OnCommand(
            CM_FILERECENT + static_cast<unsigned>(i), [this, i] { CmFileRecent(i); },
            [this, i] { return i < recent_.Files().size(); });
    OnCommand(CM_FILEEXIT, [this] { CmFileExit(); });
    OnCommand(
        CM_VIEWPLAINUP, [this] { CmViewPlainUp(); }, [this] { return CeViewPlainUp(); });
    OnCommand(
        CM_VIEWPLAINDOWN, [this] { CmViewPlainDown(); }, [this] { return CeViewPlainDown(); });
    OnCommand(
        CM_VIEWNEXTTURN, [this] { CmViewNextTurn(); }, [this] { return CeViewNextTurn(); });
    OnCommand(
        CM_VIEWPREVTURN, [this] { CmViewPrevTurn(); }, [this] { return CeViewPrevTurn(); });
    OnCommand(
        CM_VIEWFIRSTTURN, [this] { CmViewFirstTurn(); }, [this] { return CeViewPrevTurn(); });
    OnCommand(
        CM_VIEWLASTTURN, [this] { CmViewLastTurn(); }, [this] { return CeViewNextTurn(); });
    OnCommand(CM_VIEWFIND, [this] { CmViewFind(); });
    OnCommand(CM_VIEWTURNEVENTS, [this] { CmViewTurnEvents(); });
    OnCommand(CM_VIEWMINIMAP, [this] { CmViewMinimap(); });
    OnCommand(CM_VIEWCHANGES, [this] { CmViewChanges(); });
    OnCommand(CM_VIEWFACTION, [this] { CmViewFaction(); });
    OnCommand(CM_VIEWREFERENCE, [this] { CmViewReference(); });
    OnCommand(CM_VIEWNEWESTUNITS, [this] { CmViewNewestUnits(); });
    // Allies are the faction's, which the player's own first report fixes; only the player's
    // own months go to an ally.
    OnCommand(
        CM_FILEADDALLYMAP, [this] { CmFileAddAllyMap(); },
        [this] { return !Document().Turns().IsEmpty(); });
    OnCommand(
        CM_FILEEXPORTFORALLY, [this] { CmFileExportForAlly(); },
        [this] { return !Document().Turns().IsEmpty(); });
    OnCommand(CM_VIEWALLIES, [this] { CmViewAllies(); });
    OnCommand(CM_VIEWUNITS, [this] { CmViewUnits(); });
    OnCommand(CM_VIEWFACTIONS, [this] { CmViewFactions(); });
    OnCommand(CM_VIEWHISTORY, [this] { CmViewHistory(); });
    OnCommand(
        CM_VIEWCLEARTRACK, [this] { ClearTrack(); },
        [this] { return !map_->GetTrack().IsEmpty(); });
    RegisterZoomCommands();
    RegisterNoteCommands();
    RegisterShadeCommands();
    OnCommand(CM_HELPINDEX, [this] { CmHelpIndex(); });
    OnCommand(CM_HELPUSING, [this] { CmHelpUsing(); });
    OnCommand(CM_ABOUT, [this] { CmAbout(); });
}

void FrameWindow::SetupToolbar() {
    Bitmap buttons = Bitmap::LoadResource(kToolbarBitmap);
    buttons.MakeTransparent();
    toolbar_->SetBitmap(buttons, kToolbarCell, kToolbarCell);
    Bitmap dense = Bitmap::LoadResource(kToolbarBitmap2x);
    dense.MakeTransparent();
    toolbar_->SetDenseBitmap(dense);
    toolbar_->AddButton(0, CM_VIEWPLAINUP);
    toolbar_->AddButton(1, CM_VIEWPLAINDOWN);
    toolbar_->AddButton(4, CM_VIEWFIRSTTURN);
    toolbar_->AddButton(3, CM_VIEWPREVTURN);
    toolbar_->AddChoice("turnList", Language.Text(Msg::TurnsLoaded).Get(), [this](int index) {
        if (index >= 0 && index < static_cast<int>(turnChoices_.size()))
            ShowTurn(turnChoices_[static_cast<size_t>(index)]);
    });
    toolbar_->AddButton(2, CM_VIEWNEXTTURN);
    toolbar_->AddButton(5, CM_VIEWLASTTURN);
    toolbar_->AddButton(6, CM_FILEADDREPORT);
    toolbar_->AddButton(7, CM_VIEWFIND);
    toolbar_->AddButton(8, CM_VIEWZOOMIN);
    toolbar_->AddButton(9, CM_VIEWZOOMOUT);
}

void FrameWindow::EvSize(int, int) {
    Resize();
}

void FrameWindow::Resize() {
    // Children made later in the constructor are not there yet.
    if (!toolbar_ || !statusBar_ || !separator_) return;
    DWindow::Rect client = GetClientRect();
    int top = std::min(toolbar_->GetHeight(), client.h);
    toolbar_->MoveWindow({0, 0, client.w, top});
    int statusHeight = statusBar_->GetHeight();
    int bottom = std::max(top, client.h - statusHeight);
    statusBar_->MoveWindow({0, bottom, client.w, statusHeight});

    int height = bottom - top;
    int mapWidth = client.w * separatorPos_ / 1000;
    // The splitter always stays on the window, so that it can be dragged back.
    mapWidth = std::clamp(mapWidth, 0, std::max(0, client.w - DWindowSeparator::kWidth));
    int descrLeft = mapWidth + DWindowSeparator::kWidth;
    map_->MoveWindow({0, top, mapWidth, height});
    separator_->MoveWindow({mapWidth, top, DWindowSeparator::kWidth, height});
    descr_->MoveWindow({descrLeft, top, std::max(0, client.w - descrLeft), height});
}

void FrameWindow::WSNSepChanged(bool final) {
    int width = GetClientRect().w;
    if (width <= 0) return;
    int position = (separator_->GetPosition() * 1000 + width / 2) / width;
    separatorPos_ = std::clamp(position, 0, 1000);
    // The profile is written once per drag, when the user lets go.
    if (final) Profile.WriteInt("Options", "Separator1", separatorPos_);
    Resize();
}

void FrameWindow::UpdateCaption() {
    Str caption = ProductName();
    caption += " - ";
    caption += doc_.FileName().IsEmpty() ? Language.Text(Msg::NewMap) : doc_.FileName();
    // The desktop's mark for unsaved changes stands where "[*]" is.
    caption += "[*]";
    SetCaption(caption.Get());
    SetModifiedMark(doc_.IsModified());
}

void FrameWindow::UpdateStatus() {
    // A month between two reports shows what was last seen before it, and says so.
    TurnChoices turns =
        ListTurnChoices(Document(), ShownDate(), Language.Text(Msg::FromEarlierReports).View());
    turnChoices_ = turns.dates;
    toolbar_->SetChoices(turns.texts, turns.shown);
    statusBar_->SetText(
        statusField_, turns.shown >= 0 ? turns.texts[static_cast<size_t>(turns.shown)].Get() : "");
    statusBar_->SetText(levelField_, LevelName(map_->GetCurPlain()).c_str());
    UpdateStartHint();
}

void FrameWindow::Reformat() {
    // The rebuild empties the map; the hex the player had selected on each level stays
    // selected, and the one on show is described as the turn now on show has it.
    std::vector<AtlCoord> selected = map_->GetMap().SelectedHexes();
    FormatMap(Document(), map_->GetMap(), ShownDate(), unitPlaces_);
    map_->Update();
    for (const AtlCoord& c : selected)
        Reselect(c);
    UpdateStatus();
    // What the find box lists belongs to the turn on show.
    if (findBox_) findBox_->Refresh();
    RefreshTurnEvents();
    RefreshChanges();
    RefreshFactionPage();
    RefreshUnits();
    RefreshFactions();
    RefreshHistory();
    UpdateCommands();
}

void FrameWindow::CmViewNewestUnits() {
    bool newest = unitPlaces_ != OwnUnitPlaces::NewestKnown;
    unitPlaces_ = newest ? OwnUnitPlaces::NewestKnown : OwnUnitPlaces::ThisMonth;
    Profile.WriteInt("Options", "NewestUnitPlaces", newest ? 1 : 0);
    SetCommandChecked(CM_VIEWNEWESTUNITS, newest);
    Reformat();
}

void FrameWindow::LevelShown(int) {
    // The window's parts go before the map when it closes.
    if (!statusBar_ || !toolbar_) return;
    UpdateStatus();
    UpdateCommands();
}

void FrameWindow::CmViewPlainUp() {
    map_->SetCurPlain(map_->NeighbourPlain(-1));
}

void FrameWindow::CmViewPlainDown() {
    map_->SetCurPlain(map_->NeighbourPlain(+1));
}

bool FrameWindow::CeViewPlainUp() const {
    return map_->NeighbourPlain(-1) >= 0;
}

bool FrameWindow::CeViewPlainDown() const {
    return map_->NeighbourPlain(+1) >= 0;
}

void FrameWindow::CmViewNextTurn() {
    if (!CeViewNextTurn()) return;
    AtlDate next = ShownDate();
    next += 1;
    doc_.ShowDate(next);
}

void FrameWindow::CmViewPrevTurn() {
    if (!CeViewPrevTurn()) return;
    AtlDate previous = ShownDate();
    previous += -1;
    doc_.ShowDate(previous);
}

bool FrameWindow::CeViewNextTurn() const {
    return ShownDate() < Document().LastMonth();
}

bool FrameWindow::CeViewPrevTurn() const {
    return ShownDate() > Document().FirstMonth();
}

void FrameWindow::ShowHelp(const char* anchor) {
    if (HelpFilePath.IsEmpty()) return;
    if (!help_) help_ = std::make_unique<DHelpWindow>(PaintLegendPicture);
    help_->ShowTopic(HelpFilePath.Get(), anchor);
}

void FrameWindow::CmHelpIndex() {
    ShowHelp("");
}

void FrameWindow::CmHelpUsing() {
    ShowHelp("using");
}

void FrameWindow::Help(unsigned context) {
    ShowHelp(std::to_string(context).c_str());
}

void FrameWindow::CmAbout() {
    DialogTemplate about;
    if (Language.LoadDialogA(kAboutDialogId, about)) DResourceDialog(about).Execute(this);
}

void FrameWindow::EvEndSession(bool ending) {
    if (ending) Close();
}

void FrameWindow::EvDestroy() {
    WindowPlacement.SaveSize(*this);
    if (help_) help_.reset();
    Close();
}
