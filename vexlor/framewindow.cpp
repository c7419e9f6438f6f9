#include "vexlor/framewindow.h"

#include "app/globals.h"
#include "app/startup.h"
#include "ui/helpwindow.h"
#include "ui/resdialog.h"
#include "vexlor/appmessage.h"
#include "vexlor/winmain.h"

#include <string>

namespace {

constexpr unsigned kProductNameId = 1000;
constexpr unsigned kAboutDialogId = 300;

} // namespace

FrameWindow::FrameWindow(const char* caption, const MenuTemplate& menu)
    : DFrameWindow(caption, menu) {
    OnCommand(CM_FILEEXIT, [this] { CmFileExit(); });
    OnCommand(CM_HELPINDEX, [this] { CmHelpIndex(); });
    OnCommand(CM_HELPUSING, [this] { CmHelpUsing(); });
    OnCommand(CM_ABOUT, [this] { CmAbout(); });
    UpdateCaption();
}

FrameWindow::~FrameWindow() = default;

void FrameWindow::UpdateCaption() {
    Str caption = ProductName();
    caption += " - ";
    caption += doc_.GetFileName().IsEmpty() ? "<new map>" : doc_.GetFileName().Get();
    SetCaption(caption.Get());
}

void FrameWindow::CmFileExit() {
    if (CanClose()) Destroy();
}

void FrameWindow::ShowHelp(const char* anchor) {
    if (HelpFilePath.IsEmpty()) return;
    if (!help_) help_ = std::make_unique<DHelpWindow>();
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

void FrameWindow::EvDestroy() {
    WindowPlacement.SaveSize(*this);
    if (help_) help_.reset();
    doc_.Clear();
}
