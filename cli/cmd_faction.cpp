#include "base/messagetext.h"
#include "cli/clidoc.h"
#include "cli/commands.h"
#include "doc/docmessages.h"

#include <cstdio>

// The faction's page of the turn as the report wrote it: each paragraph under its heading,
// paragraphs apart by an empty line.
int RunFaction(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    DocController doc;
    TurnShown shown = OpenAtTurn(doc, path, args.Value("--turn"));
    if (shown != TurnShown::Shown) return shown == TurnShown::Failed; // empty: no page
    const TurnNode* turn = doc.Doc().FindTurn(doc.ShownDate());
    if (!turn) return FailMessage(Msg::NoTurn, {path, doc.ShownDate().GetString().Get()});

    const TurnExtras* extras = turn->extras.Find();
    if (!extras) return 0; // read before pages were kept
    bool first = true;
    for (const PagePart& part : FactionPageParts(extras->faction)) {
        if (part.lines.empty()) continue;
        if (!first) std::fputc('\n', stdout);
        first = false;
        if (part.heading)
            std::printf("%s\n", EnglishMessage(part.heading, {part.argument.View()}).Get());
        for (const Str& line : part.lines)
            std::printf("%s\n", line.Get());
    }
    return std::fflush(stdout) == 0 ? 0 : FailMessage(Msg::CannotWriteOutput);
}
