#include "cli/clidoc.h"
#include "cli/commands.h"
#include "cli/docjson.h"
#include "doc/docmessages.h"

#include <cstdio>

int RunDump(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    DocController doc;
    DocOutcome opened = doc.Open(path);
    if (opened.kind == DocOutcomeKind::ExtrasDamaged)
        FailWith(opened); // said; the rest is whole and printed
    else if (opened.kind != DocOutcomeKind::Done && opened.kind != DocOutcomeKind::DocumentDamaged)
        return FailWith(opened);
    bool written = WriteDocJson(stdout, doc.Doc()) && std::fputc('\n', stdout) != EOF &&
                   std::fflush(stdout) == 0;
    if (!written) return FailMessage(Msg::CannotWriteOutput);
    // What could be read was printed; the message says the rest is missing.
    if (opened.kind == DocOutcomeKind::DocumentDamaged) return FailWith(opened);
    return 0;
}
