#pragma once

#include "model/vexlordoc.h"
#include "ui/dframewindow.h"

#include <memory>

class DHelpWindow;

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
    CM_HELPINDEX = 901,
    CM_HELPUSING = 902,
    CM_ABOUT = 903,
};

// The program's main window and the owner of the open document. Commands without a handler
// yet stand disabled in the menu.
class FrameWindow : public DFrameWindow {
public:
    FrameWindow(const char* caption, const MenuTemplate& menu);
    ~FrameWindow() override;

    // Product name (string 1000), " - ", and the document's file name or "<new map>".
    void UpdateCaption();
    const VexlorDoc& Document() const { return doc_; }

    void CmFileExit();
    void CmHelpIndex();
    void CmHelpUsing();
    void CmAbout();
    void Help(unsigned context) override;

    // The help window, once a help command has opened it.
    const DHelpWindow* HelpWindow() const { return help_.get(); }

protected:
    void EvDestroy() override;

private:
    void ShowHelp(const char* anchor);

    VexlorDoc doc_;
    std::unique_ptr<DHelpWindow> help_;
};
