#pragma once

#include "app/recentfiles.h"
#include "base/messagetable.h"
#include "descrview/descrtreeview.h"
#include "doc/doccontroller.h"
#include "map/factionlist.h"
#include "map/hexdata.h"
#include "map/mapfind.h"
#include "map/unitlist.h"
#include "mapwindow/mapwindow.h"
#include "model/atldate.h"
#include "model/vexlordoc.h"
#include "ui/dframewindow.h"
#include "ui/findbox.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DAlliesPanel;
class DHistoryPanel;
class DLinesWindow;
class MinimapPanel;
class DHelpWindow;
class DProgressDialog;
class DStartHint;
class DStatusBar;
class DTablePanel;
class DToolbar;
class DWindowSeparator;
struct FileDialogParams;

// Command identifiers of the main window; the language library's menu uses the same numbers.
enum FrameCommand : unsigned {
    CM_FILEEXIT = 100,
    CM_FILENEW = 101,
    CM_FILEOPEN = 102,
    CM_FILESAVE = 103,
    CM_FILESAVEAS = 104,
    CM_FILEADDREPORT = 105,
    CM_FILEEXPORT = 106,
    CM_FILERECENT = 110, // the recently used maps: 110 to 110 + RecentFiles::kMax - 1
    CM_VIEWPLAINUP = 200,
    CM_VIEWPLAINDOWN = 201,
    CM_VIEWNEXTTURN = 202,
    CM_VIEWPREVTURN = 203,
    CM_VIEWFIRSTTURN = 204,
    CM_VIEWLASTTURN = 205,
    CM_VIEWFIND = 206,
    CM_VIEWTURNEVENTS = 207,
    CM_VIEWZOOMIN = 220,
    CM_VIEWZOOMOUT = 221,
    CM_VIEWACTUALSIZE = 222,
    CM_VIEWWHOLELEVEL = 223,
    CM_VIEWNEWESTUNITS = 224,
    CM_VIEWMINIMAP = 255,
    CM_VIEWCHANGES = 285, // the turn on show's changes, listed and outlined on the map
    CM_NOTEEDIT = 260,
    CM_NOTEBOOKMARK = 261,
    CM_BOOKMARKFIRST = 262, // the bookmarks' jumps: 262 to 269
    CM_BOOKMARKLAST = 269,
    CM_FILEEXPORTPART = 250, // File, Export selection
    // View, Shade: none, then each value the map can be shaded by (an item's in one entry).
    CM_VIEWSHADENONE = 240,
    CM_VIEWSHADEWAGES = 241,
    CM_VIEWSHADEPEASANTS = 242,
    CM_VIEWSHADETAXES = 243,
    CM_VIEWSHADEENTERTAINMENT = 244,
    CM_VIEWSHADEITEM = 245, // asks which item, and its amount produced, sale or wanted price
    CM_VIEWSHADEAGE = 246,
    CM_VIEWSHADEWEATHER = 247,
    CM_VIEWSHADEWEATHERNEXT = 248,
    CM_VIEWSHADEFACTIONS = 249,
    CM_VIEWFACTION = 270,
    CM_VIEWREFERENCE = 271,
    CM_FILEADDALLYMAP = 230,
    CM_FILEEXPORTFORALLY = 231,
    CM_VIEWALLIES = 232,
    CM_VIEWUNITS = 295,
    CM_VIEWFACTIONS = 296,
    CM_VIEWHISTORY = 280,
    CM_VIEWCLEARTRACK = 290, // takes a unit's track off the map and closes its list
    CM_HELPINDEX = 901,
    CM_HELPUSING = 902,
    CM_ABOUT = 903,
};

// The program's main window and the owner of the open document: the toolbar above, the map
// on the left, the splitter, the description of the selected hex on the right and the status
// bar below. It runs the document's life (new, open, save, add report, the question before
// changes are dropped) through its document controller, shows the controller's outcomes and
// answers its questions with message boxes. It is the map view's host: the map describes the
// selected hex in the window's description pane.
class FrameWindow : public DFrameWindow,
                    private DocObserver,
                    private DocQuestions,
                    private MapViewHost {
public:
    // Splitter position in thousandths of the client width when the profile has none.
    static constexpr int kDefaultSeparator = 600;

    FrameWindow(const char* caption, const MenuTemplate& menu);
    ~FrameWindow() override;

    // Product name (string 1000), " - ", the document's file name or "<new map>", and the
    // desktop's mark while there are unsaved changes.
    void UpdateCaption();
    // Rebuilds the map for the turn on show and repaints it.
    void Reformat();
    // True when nothing unsaved would be lost: unmodified, or saved, or the user said No.
    bool CanClose() override;
    // Empties the document and the description; the turn on show goes back to none.
    void Close();
    // Reads the document at path in place of the open one and shows its last turn. A file that
    // cannot be read as a document leaves the open one as it was, with a message.
    void Open(const char* path);
    // Saves the document safely to path; 0, or -1 after a message (the old file is untouched
    // and the document stays modified). A read-only file, or one another program changed
    // since it was read, is left as it is and Save as offered: 1 when the map was saved
    // under the name chosen there.
    int Save(const char* path);
    // Asks for a name and saves there; 0 when saved, -1 when not.
    int SaveAs();
    // Adds the reports to the document in the order of their turns, with a progress box when
    // that takes a while; one message for a single report that went wrong, a summary for
    // several.
    void AddReports(const std::vector<Str>& paths);
    // Saves the level on show as a PNG picture, as vexlor-cli render draws it; with part, only
    // that box of the map window (window pixels), as the window shows it.
    bool ExportMap(const char* path, const PixelRect* part = nullptr);
    // Files given on the command line or dropped on the window: a document (.atl) is opened
    // after asking about unsaved changes, the others are added as reports.
    void OpenFiles(const std::vector<Str>& paths);

    void CmFileNew();
    void CmFileOpen();
    void CmFileSave();
    void CmFileSaveAs();
    void CmFileAddReport();
    void CmFileExport();
    // Lets the player drag a box over the map, then asks for the file to export it to (a
    // drag with Shift held does the same at any time).
    void CmFileExportPart();
    void CmFileRecent(size_t index);
    void CmFileExit();
    void CmViewPlainUp();
    void CmViewPlainDown();
    void CmViewNextTurn();
    void CmViewPrevTurn();
    bool CeViewPlainUp() const;
    bool CeViewPlainDown() const;
    bool CeViewNextTurn() const;
    bool CeViewPrevTurn() const;
    void CmViewFirstTurn();
    void CmViewLastTurn();
    // Shows the turn on show's month, loaded or not; the map is rebuilt for it.
    void ShowTurn(AtlDate date);
    // Opens the find panel beside the map, ready for typing.
    void CmViewFind();
    // The map's zoom, one step in or out, actual size, or the whole level in the map; the
    // zoom is kept in the profile.
    void RegisterZoomCommands();
    // Opens the panel of the turn on show's errors, battles and events beside the map.
    void CmViewTurnEvents();
    // Opens the list of the turn on show's changes beside the map; while it is open the map
    // outlines the changed hexes.
    void CmViewChanges();
    // Opens the minimap beside the map, or closes it when it is open.
    void CmViewMinimap();
    // Marks the player's units at their newest known places instead of this month's only (or
    // back); the choice is kept in the profile.
    void CmViewNewestUnits();
    OwnUnitPlaces UnitPlaces() const { return unitPlaces_; }
    // The player's note on the selected hex, written in the note editor; an emptied note is
    // removed.
    void CmNoteEdit();
    // Bookmarks the selected hex, or takes its bookmark away.
    void CmNoteBookmark();
    // Goes to the bookmark listed at index of the Bookmarks menu.
    void CmGoToBookmark(size_t index);
    // The hex selected on the level on show, if one is.
    std::optional<AtlCoord> SelectedHex() const;
    // Shades the map by choice and keeps it in the profile (Shade); the menu marks it.
    void ShowShade(const ShadeChoice& choice);
    // Asks for an item of the turn on show and what of it to shade by.
    void CmViewShadeItem();
    // Opens the panel of the turn on show's faction status, attitudes and unclaimed silver.
    void CmViewFaction();
    // Opens the panel of the skill, item and object descriptions the reports gave.
    void CmViewReference();
    // Opens it at the description of the skill or item of that abbreviation.
    void ShowReference(ReferenceKind kind, const Str& abbr);
    // Allies: another faction's map added as that ally's, the player's own months written
    // for an ally (all, or from a chosen month on), and the panel that lists the allies.
    void CmFileAddAllyMap();
    void CmFileExportForAlly();
    void CmViewAllies();
    // Opens the table of the units of the turn on show (the player's own and allied ones, or
    // every unit seen), and the table of the factions the map has seen.
    void CmViewUnits();
    void CmViewFactions();
    void CmHelpIndex();
    void CmHelpUsing();
    void CmAbout();
    void Help(unsigned context) override;

    void EvEndSession(bool ending) override;
    bool CanDropFiles(const std::vector<Str>& paths) override;
    void EvDropFiles(const std::vector<Str>& paths) override;

    // Lays the children out in the client area: toolbar, map, splitter, description, status.
    using DWindow::Resize;
    void Resize();
    // The user moved the splitter (final: the drag is over, and the place is kept).
    void WSNSepChanged(bool final);

    const VexlorDoc& Document() const { return doc_.Doc(); }
    const DocController& Controller() const { return doc_; }
    AtlDate ShownDate() const { return doc_.ShownDate(); }
    const RecentFiles& Recent() const { return recent_; }
    // Thousandths of the client width left of the splitter.
    int SeparatorPosition() const { return separatorPos_; }
    MapView& Map() { return *map_; }
    DescrTreeView& Descr() { return *descr_; }
    // Shows c's plain, centres hex c, selects it and describes it; the description is emptied
    // first, so that a hex nothing is known of leaves none standing.
    void GoTo(const AtlCoord& c);
    const DStatusBar& StatusBar() const { return *statusBar_; }
    // The status bar's field of notes (see ShowNote).
    int NoteField() const { return noteField_; }
    const DToolbar& Toolbar() const { return *toolbar_; }
    // The find panel, once made (View, Find, or open when the program was last left).
    DFindBox* FindBox() { return findBox_.get(); }
    // The turn's events panel, once made as the find panel is.
    DLinesWindow* TurnEventsWindow() { return turnEvents_.get(); }
    // The list of the turn's changes, once made as the find panel is.
    DLinesWindow* ChangesWindow() { return changes_.get(); }
    // The minimap, once made (View, Minimap, or open when the program was last left).
    MinimapPanel* Minimap() { return minimap_.get(); }
    // The faction's page and the descriptions, once made as the find panel is.
    DLinesWindow* FactionPageWindow() { return factionPage_.get(); }
    // Draws the unit's track on the map and lists its months beside it (a unit line of the
    // pane chosen); closing the list takes the track off the map.
    void TrackUnit(int32_t number);
    // Takes the track off the map and closes its list (View, Clear track; another map opened).
    void ClearTrack();
    // The list of the track's months, once a unit was tracked.
    DLinesWindow* TrackWindow() { return trackList_.get(); }
    DLinesWindow* ReferenceWindow() { return references_.get(); }
    // The allies panel, once made as the find panel is.
    DAlliesPanel* AlliesWindow() { return allies_.get(); }
    // The units and factions tables, once made as the find panel is.
    DTablePanel* UnitsWindow() { return units_.get(); }
    DTablePanel* FactionsWindow() { return factions_.get(); }
    // The faction whose units' hexes the map marks; 0 for none.
    int MarkedFaction() const { return markedFaction_; }
    // The history panel, once View, History has made it.
    DHistoryPanel* HistoryWindow() { return history_.get(); }
    // The help window, once a help command has opened it.
    const DHelpWindow* HelpWindow() const { return help_.get(); }

protected:
    void EvDestroy() override;
    void EvSize(int width, int height) override;

private:
    // What the map view asks of its host.
    const VexlorDoc& GetDoc() const override { return doc_.Doc(); }
    DescrTreeView* GetDescrTV() override { return descr_.get(); }
    void ShowHover(const Str& text) override;
    void ZoomChanged(int step) override;
    // The status bar names the level and Plain up and down follow it, however it came.
    void LevelShown(int z) override;
    void ViewMoved() override;
    void ExportPart(const PixelRect& box) override;
    // Selects hex c again after a rebuild of the map and describes it when it lies on the
    // level on show (emptying the description when nothing is known of it now).
    void Reselect(const AtlCoord& c);

    // The controller's news and questions, answered with message boxes.
    void DocumentChanged() override;
    DocAnswer ReplaceTurn(const DocOutcome& report, bool forAll) override;
    DocAnswer OtherFaction(const DocOutcome& report) override;
    DocAnswer AllyReport(const DocOutcome& report, bool forAll) override;
    bool AskYesNo(const Str& question);
    void ShowMessage(const Str& message);
    // The outcome's message, if it has one.
    void ShowOutcome(const DocOutcome& outcome);
    // News that needs no answer (a picture exported, a batch of reports added) in the status
    // bar's last field, until the next.
    void ShowNote(const Str& text);
    // The map's name goes to the top of the recently used ones and into the File menu.
    void NoteRecent(const char* path);
    void UpdateRecentMenu();
    // The Bookmarks menu lists the document's bookmarks again.
    void RegisterNoteCommands();
    void UpdateBookmarksMenu();
    // The hint over the empty map of what to do first, shown while the map has no turn.
    void UpdateStartHint();

    void SetupToolbar();
    void RegisterCommands();
    // View, Shade's commands, and the shading the profile kept.
    void RegisterShadeCommands();
    void ShowHelp(const char* anchor);
    // The turn and the level on show in the status bar, and the toolbar's choice of turns.
    void UpdateStatus();
    // The panels beside the map, made on first use; closing one gives the map the keyboard.
    DFindBox& FindPanel();
    DLinesWindow& EventsPanel();
    MinimapPanel& MinimapView();
    DLinesWindow& ChangesPanel();
    DLinesWindow& FactionPanel();
    DLinesWindow& ReferencePanel();
    DAlliesPanel& AlliesPanel();
    // The selected hex's history (vexlor/framehistory.cpp): the panel, made on first use, and
    // what it shows, made again when the selection or the document changes while it is open.
    DHistoryPanel& HistoryPanel();
    void CmViewHistory();
    void RefreshHistory();
    void HexDescribed(const AtlCoord& c) override;
    void OpenKeptHistory();
    // The allies panel lists the allies the document holds now.
    void RefreshAllies();
    // The panel's buttons: removing asks first.
    void RemoveAlly(int faction);
    void RefreshAlly(int faction);
    // A done outcome's words in the status bar, a failure's in a box.
    void ShowAllyOutcome(const DocOutcome& outcome);
    // The panels that were open when the program was last left open again.
    void OpenKeptPanels();
    void OpenKeptPagePanels();
    void OpenKeptTablePanels();
    // The units and factions tables: made on first use, filled again for the turn on show.
    DTablePanel& UnitsPanel();
    DTablePanel& FactionsPanel();
    void RefreshUnits();
    void RefreshFactions();
    // The units table lists every unit seen (with its faction), or the player's and allies'.
    void ShowAllUnits(bool all);
    // A unit chosen is gone to and opened in the description pane; a faction chosen has its
    // units' hexes marked, or unmarked when it was marked.
    void ChooseUnit(int row);
    void ChooseFaction(int row);
    // Marks the hexes of faction's units in the month on show; 0 takes the marks away.
    void MarkFaction(int faction);
    // Asks where, and writes a table's rows there as comma-separated text.
    void SaveTable(const std::string& csv);
    void OpenKeptChangesPanel();
    // What the find box lists for text, newest sightings first, remembered for the choice
    // that may follow.
    std::vector<DFindBox::Line> Find(const Str& text);
    void ChooseFound(int index);
    // The events window shows the turn on show's paragraphs again.
    void RefreshTurnEvents();
    // The changes list shows the turn on show's changes again and the map outlines their
    // hexes; nothing while the list is closed.
    void RefreshChanges();
    // The faction panel shows the turn on show's page again; the descriptions panel the
    // document's descriptions.
    void RefreshFactionPage();
    void RefreshReferences();
    // Shows the plain and the part of the map where the faction stands.
    void ShowHome();
    // Runs work with a progress box (message textId) that the controller's steps move on; the
    // box shows once the work takes more than half a second, and the window repaints meanwhile
    // but takes no commands.
    void WithProgress(int textId, const std::function<void()>& work);
    bool AskFileName(const FileDialogParams& params, Str& path);

    // The document first: the panes read it until they go.
    DocController doc_;
    RecentFiles recent_;
    // The panes: the map view fills the description pane.
    std::unique_ptr<DescrTreeView> descr_;
    std::unique_ptr<MapView> map_;
    std::unique_ptr<DStartHint> startHint_;
    bool zoomKept_ = false; // the zoom goes to the profile once the start's zoom is set
    OwnUnitPlaces unitPlaces_ = OwnUnitPlaces::ThisMonth;
    std::unique_ptr<DWindowSeparator> separator_;
    std::unique_ptr<DToolbar> toolbar_;
    std::unique_ptr<DStatusBar> statusBar_;
    int separatorPos_ = kDefaultSeparator;
    int statusField_ = -1;
    int levelField_ = -1;
    int hoverField_ = -1;
    int noteField_ = -1;
    std::vector<AtlDate> turnChoices_; // the toolbar's list of turns, by their dates
    std::unique_ptr<DFindBox> findBox_;
    std::vector<FindMatch> found_;
    std::unique_ptr<DLinesWindow> turnEvents_;
    std::unique_ptr<DLinesWindow> trackList_;
    std::vector<AtlCoord> trackHexes_; // the targets of the track list's links
    std::vector<AtlCoord> eventHexes_; // the targets of the events window's links
    std::unique_ptr<DLinesWindow> changes_;
    std::vector<AtlCoord> changeHexes_; // the targets of the changes list's links
    std::unique_ptr<MinimapPanel> minimap_;
    std::vector<AtlCoord> bookmarks_; // the Bookmarks menu's jumps, in its order
    std::unique_ptr<DLinesWindow> factionPage_;
    std::unique_ptr<DLinesWindow> references_;
    std::unique_ptr<DAlliesPanel> allies_;
    std::unique_ptr<DTablePanel> units_;
    std::vector<UnitRow> unitRows_; // the units table's rows, in the order it was given them
    bool allUnits_ = false;
    std::unique_ptr<DTablePanel> factions_;
    std::vector<FactionRow> factionRows_;
    int markedFaction_ = 0;
    std::unique_ptr<DHistoryPanel> history_;
    std::optional<AtlCoord> historyHex_; // the hex last described, whose history is shown
    std::unique_ptr<DHelpWindow> help_;
    // The progress box while a map opens or reports are added, to keep it out of the way of
    // questions.
    DProgressDialog* progress_ = nullptr;
};
