#include "cli/clidoc.h"

#include "cli/cliparse.h"
#include "cli/commands.h"
#include "doc/docmessages.h"

int FailWith(const DocOutcome& outcome) {
    return Fail("%s", DocMessage(outcome).Get());
}

bool OpenDocument(DocController& doc, const char* path, bool takeDamaged) {
    DocOutcome opened = doc.Open(path);
    if (opened.kind == DocOutcomeKind::Done) return true;
    if (opened.kind == DocOutcomeKind::ExtrasDamaged) {
        FailWith(opened); // said on standard error; the command goes on with what was read
        return true;
    }
    if (takeDamaged && opened.kind == DocOutcomeKind::DocumentDamaged) return true;
    FailWith(opened);
    return false;
}

TurnShown OpenAtTurn(DocController& doc, const char* path, const char* dateText) {
    if (!OpenDocument(doc, path)) return TurnShown::Failed;
    if (!dateText) return doc.Doc().KnownMonths().empty() ? TurnShown::Empty : TurnShown::Shown;
    AtlDate date;
    if (!ParseDate(dateText, date)) {
        FailMessage(Msg::BadDate, {dateText});
        return TurnShown::Failed;
    }
    DocOutcome shown = doc.ShowDate(date);
    if (shown.kind == DocOutcomeKind::Done) return TurnShown::Shown;
    FailWith(shown);
    return TurnShown::Failed;
}
