// The main window's hint over the empty map at start: add a report, open a map, or one of the
// maps used last, each a link that runs the command.
#include "vexlor/framewindow.h"

#include "app/globals.h"
#include "ui/starthint.h"

#include <filesystem>

void FrameWindow::UpdateStartHint() {
    if (!startHint_) return;
    bool empty = Document().Turns().IsEmpty();
    if (empty) {
        std::vector<DStartHint::Line> lines = {
            {Language.Text(Msg::StartAddReport), Language.Text(Msg::StartAddReportHow),
             CM_FILEADDREPORT},
            {Language.Text(Msg::StartOpenMap), Language.Text(Msg::StartOpenMapHow), CM_FILEOPEN},
        };
        if (!recent_.Files().empty()) lines.push_back({Str(), Language.Text(Msg::StartRecent)});
        for (size_t i = 0; i < recent_.Files().size(); ++i) {
            std::filesystem::path path(recent_.Files()[i].Get());
            lines.push_back({Str(path.filename().string()), Str(path.parent_path().string()),
                             CM_FILERECENT + static_cast<unsigned>(i)});
        }
        startHint_->SetLines(Language.Text(Msg::StartTitle), lines);
    }
    startHint_->SetShown(empty);
}
