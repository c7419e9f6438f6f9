// Allies in the main window: another faction's map added as that ally's, the player's own
// months exported for an ally, and the panel that lists the allies with their remove and
// refresh. What happens to the document is the controller's (doc/allies.cpp).
#include "app/globals.h"
#include "base/cp1252.h"
#include "base/messagetext.h"
#include "doc/docmessages.h"
#include "model/allies.h"
#include "report/intake.h"
#include "ui/alliespanel.h"
#include "ui/choicedialog.h"
#include "ui/filedialog.h"
#include "vexlor/appmessage.h"
#include "vexlor/framewindow.h"

#include <string>

void FrameWindow::CmViewAllies() {
    AlliesPanel().Open();
}

void FrameWindow::RefreshAllies() {
    if (!allies_) return;
    std::vector<DAlliesPanel::Row> rows;
    for (const auto& ally : Document().Extras().allies.All()) {
        const VexlorDoc& doc = *ally->doc;
        DAlliesPanel::Row row;
        row.faction = doc.GetFaction().Number();
        row.name = ally->name;
        row.months = static_cast<int>(doc.Turns().LongCountNodes());
        if (doc.FirstTurn()) row.first = doc.FirstTurn()->date.GetString();
        if (doc.LastTurn()) row.last = doc.LastTurn()->date.GetString();
        row.fromFile = !ally->file.empty();
        rows.push_back(std::move(row));
    }
    allies_->SetRows(std::move(rows));
}

void FrameWindow::RemoveAlly(int faction) {
    const AllyMap* ally = Document().Extras().allies.Find(faction);
    if (!ally) return;
    // The name is report text.
    Str question = FormatMessageText(Language.Text(Msg::RemoveAllyQuestion).Get(),
                                     {Cp1252ToUtf8(ally->name.Get()), std::to_string(faction)});
    if (!AskYesNo(question)) return;
    ShowAllyOutcome(doc_.RemoveAlly(faction));
    RefreshAllies();
    UpdateCommands();
}

void FrameWindow::RefreshAlly(int faction) {
    DocOutcome refreshed;
    WithProgress(Msg::ProgressOpening, [&] { refreshed = doc_.RefreshAlly(faction); });
    ShowAllyOutcome(refreshed);
    RefreshAllies();
    UpdateCommands();
}

void FrameWindow::CmFileAddAllyMap() {
    Str path;
    if (!AskFileName({false, Language.Text(Msg::AddAllyMapTitle),
                      Language.Text(Msg::DocumentFilter), "*.atl", "atl", AppOptions.lastDir},
                     path))
        return;
    DocOutcome added;
    WithProgress(Msg::ProgressOpening, [&] { added = doc_.AddAllyMap(path.Get()); });
    if (added.kind != DocOutcomeKind::CannotOpen) AppOptions.lastDir = ReportDirectory(path.Get());
    ShowAllyOutcome(added);
    RefreshAllies();
    UpdateCommands();
}

void FrameWindow::CmFileExportForAlly() {
    // All the player's own months, or those from one of them on.
    std::vector<AtlDate> from{AtlDate()};
    std::vector<Str> choices{Language.Text(Msg::ExportForAllyAll)};
    for (const TurnNode& turn : Document().Turns()) {
        from.push_back(turn.date);
        choices.push_back(FormatMessageText(Language.Text(Msg::ExportForAllyFrom).Get(),
                                            turn.date.GetString().Get()));
    }
    int chosen = DChoiceDialog(this, Language.Text(Msg::ExportForAllyTitle).Get(),
                               Language.Text(Msg::ExportForAllyMonths).Get(), choices);
    if (chosen < 0) return;
    Str path;
    if (!AskFileName({true, Language.Text(Msg::ExportForAllyTitle),
                      Language.Text(Msg::DocumentFilter), "*.atl", "atl", AppOptions.lastDir},
                     path))
        return;
    DocOutcome exported = doc_.ExportForAlly(path.Get(), from[static_cast<size_t>(chosen)]);
    if (IsFailure(exported.kind)) {
        ShowOutcome(exported);
        return;
    }
    AppOptions.lastDir = ReportDirectory(path.Get());
    ShowNote(FormatMessageText(Language.Text(Msg::ExportedForAlly).Get(), path.Get()));
}
