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
    if (takeDamaged && opened.kind == DocOutcomeKind::DocumentDamaged) return true;
    FailWith(opened);
    return false;
}

bool ShowTurn(DocController& doc, const char* dateText) {
    if (!dateText) return true; // the newest, as the document opened
    AtlDate date;
    if (!ParseDate(dateText, date)) {
        FailMessage(Msg::BadDate, {dateText});
        return false;
    }
    DocOutcome shown = doc.ShowDate(date);
    if (shown.kind == DocOutcomeKind::Done) return true;
    FailWith(shown);
    return false;
}
