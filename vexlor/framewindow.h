#pragma once

#include "map/mapfind.h"
#include "model/atldate.h"
#include "model/vexlordoc.h"
#include "report/intake.h"
#include "ui/dframewindow.h"
#include "vexlor/framepanes.h"

#include <memory>
#include <vector>

class DFindBox;
class DLinesWindow;
class DHelpWindow;
class DStatusBar;
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
    CM_HELPINDEX = 901,
    CM_HELPUSING = 902,
    CM_ABOUT = 903,
};

// The program's main window and the owner of the open document: the toolbar above, the map
// on the left, the splitter, the description of the selected hex on the right and the status
// bar below. It runs the document's life (new, open, save, add report, the question before
// changes are dropped) and keeps the turn on show. It answers report intake's questions with
// message boxes.
class FrameWindow : public DFrameWindow, private IntakeUser {
public:
    // Splitter position in thousandths of the client width when the profile has none.
    static constexpr int kDefaultSeparator = 600;

    FrameWindow(const char* caption, const MenuTemplate& menu);
    ~FrameWindow() override;

    // Product name (string 1000), " - ", and the document's file name or "<new map>".
    void UpdateCaption();
    // Names the document, shows the name and makes its folder the one file dialogs start in.
    void SetFileName(const char* path);
    // Rebuilds the map for the turn on show and repaints it.
    void Reformat() override;
    // True when nothing unsaved would be lost: unmodified, or saved, or the user said No.
    bool CanClose() override;
    // Empties the document and the description; the turn on show goes back to none.
    void Close();
    // Reads the document at path in place of the open one and shows its last turn. A file that
    // cannot be read as a document leaves the open one as it was, with a message.
    void Open(const char* path);
    // Saves the document safely to path; 0, or -1 after a message (the old file is untouched
    // and the document stays modified).
    int Save(const char* path);
    // Adds the report at path to the document; messages for what went wrong.
    void AddReport(const char* path);
    // Files given on the command line or dropped on the window, in order: a document (.atl)
    // is opened after asking about unsaved changes, anything else is added as a report.
    void OpenFiles(const std::vector<Str>& paths);

    void CmFileNew();
    void CmFileOpen();
    void CmFileSave();
    void CmFileSaveAs();
    void CmFileAddReport();
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
    // Opens the find box (made on first use).
    void CmViewFind();
    // The map's zoom, one step in or out, actual size, or the whole level in the map; the
    // zoom is kept in the profile.
    void RegisterZoomCommands();
    // Opens the window of the turn on show's errors, battles and events (made on first use).
    void CmViewTurnEvents();
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

    const VexlorDoc& Document() const { return doc_; }
    AtlDate ShownDate() const { return shownDate_; }
    // Thousandths of the client width left of the splitter.
    int SeparatorPosition() const { return separatorPos_; }
    MapPane& Map() { return *panes_.map; }
    DescrPane& Descr() { return *panes_.descr; }
    const DStatusBar& StatusBar() const { return *statusBar_; }
    const DToolbar& Toolbar() const { return *toolbar_; }
    // The find box, once View, Find has opened it.
    DFindBox* FindBox() { return findBox_.get(); }
    // The turn's events window, once View, Turn events has opened it.
    DLinesWindow* TurnEventsWindow() { return turnEvents_.get(); }
    // The help window, once a help command has opened it.
    const DHelpWindow* HelpWindow() const { return help_.get(); }

protected:
    void EvDestroy() override;
    void EvSize(int width, int height) override;

private:
    // Report intake's questions and messages, as message boxes of this window.
    bool AskYesNo(const Str& question) override;
    void ShowMessage(const Str& message) override;
    Str MessageText(int id) override;

    void SetupToolbar();
    void RegisterCommands();
    void ShowHelp(const char* anchor);
    // The turn on show as the status bar's text and the toolbar's choice of turns.
    void UpdateStatus();
    // What the find box lists for text, remembered for the choice that may follow.
    std::vector<Str> Find(const Str& text);
    void ChooseFound(int index);
    // The events window shows the turn on show's paragraphs again.
    void RefreshTurnEvents();
    // Shows the plain and the part of the map where the faction stands.
    void ShowHome();
    bool AskFileName(const FileDialogParams& params, Str& path);

    // The document first: the panes read it until they go.
    VexlorDoc doc_;
    FramePanes panes_;
    std::unique_ptr<DWindowSeparator> separator_;
    std::unique_ptr<DToolbar> toolbar_;
    std::unique_ptr<DStatusBar> statusBar_;
    AtlDate shownDate_;
    int separatorPos_ = kDefaultSeparator;
    int statusField_ = -1;
    int hoverField_ = -1;
    std::unique_ptr<DFindBox> findBox_;
    std::vector<FindMatch> found_;
    std::unique_ptr<DLinesWindow> turnEvents_;
    std::vector<AtlCoord> eventHexes_; // the targets of the events window's links
    std::unique_ptr<DHelpWindow> help_;
};
