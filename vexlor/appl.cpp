#include "vexlor/appl.h"

#include "app/globals.h"
#include "app/startup.h"
#include "vexlor/framewindow.h"
#include "vexlor/winmain.h"

namespace {

constexpr unsigned kMainMenuId = 1;

} // namespace

Appl::Appl(HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow)
    : DApplication(instance, prevInstance, cmdLine, cmdShow) {}

Appl::~Appl() = default;

void Appl::InitMainWindow() {
    frame_ = std::make_unique<FrameWindow>(GetApplicationName(), Language.LoadMenuA(kMainMenuId));
    SetMainWindow(frame_.get());
    WindowPlacement.SetSize(*frame_, GetCmdShow());
    // "vexlor map.atl" opens the document; "vexlor turn1.rep turn2.rep" adds the reports to a
    // new one, in order.
    frame_->OpenFiles(GetArguments());
}
