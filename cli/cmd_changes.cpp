#include "cli/clidoc.h"
#include "cli/cliparse.h"
#include "cli/commands.h"
#include "map/turnchanges.h"

#include <cstdio>

int RunChanges(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    AtlDate month;
    // A date that is no date is a bad argument, told before the document is read.
    const char* dateText = args.Value("--turn");
    if (dateText && !ParseDate(dateText, month)) {
        FailMessage(Msg::BadDate, {dateText});
        return 2;
    }
    DocController doc;
    if (!OpenDocument(doc, path)) return 1;
    if (dateText) {
        DocOutcome shown = doc.ShowDate(month);
        if (shown.kind != DocOutcomeKind::Done) {
            FailWith(shown);
            return 2;
        }
    } else {
        if (doc.Doc().KnownMonths().empty()) return 0; // no turn: nothing changed
        month = doc.Doc().LastMonth();
    }
    for (const TurnChange& change : TurnChanges(doc.Doc(), month))
        std::printf("%d,%d,%d\t%s\t%s\n", change.coord.x, change.coord.y, change.coord.z,
                    ChangeKindWord(change.kind), change.text.c_str());
    return std::fflush(stdout) == 0 ? 0 : FailMessage(Msg::CannotWriteOutput);
}
