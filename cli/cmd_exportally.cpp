#include "cli/clidoc.h"
#include "cli/cliparse.h"
#include "cli/commands.h"

int RunExportAlly(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    const char* out = args.operands[1].c_str();
    AtlDate from;
    if (const char* text = args.Value("--from"); text && !ParseDate(text, from))
        return FailMessage(Msg::BadDate, {text});
    DocController doc;
    if (!OpenDocument(doc, path)) return 1;
    DocOutcome exported = doc.ExportForAlly(out, from);
    return exported.kind == DocOutcomeKind::Done ? 0 : FailWith(exported);
}
