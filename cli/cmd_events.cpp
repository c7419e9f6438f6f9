#include "base/messagetext.h"
#include "cli/clidoc.h"
#include "cli/commands.h"
#include "doc/docmessages.h"

#include <cstdio>

namespace {

void PrintPart(const char* heading, const std::vector<Str>& lines, bool& first) {
    if (lines.empty()) return;
    if (!first) std::fputc('\n', stdout);
    first = false;
    std::fputs(heading, stdout);
    std::fputc('\n', stdout);
    for (const Str& line : lines) {
        std::fwrite(line.Get(), 1, static_cast<size_t>(line.Length()), stdout);
        std::fputc('\n', stdout);
    }
}

} // namespace

int RunEvents(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    DocController doc;
    TurnShown shown = OpenAtTurn(doc, path, args.Value("--turn"));
    if (shown != TurnShown::Shown) return shown == TurnShown::Failed; // empty: no events
    // A month between two reports is on the map, but no report told its events.
    const TurnNode* turn = doc.Doc().FindTurn(doc.ShownDate());
    if (!turn) return FailMessage(Msg::NoTurn, {path, doc.ShownDate().GetString().Get()});

    // The report's order: errors, battles, events, each under its own heading.
    const TurnExtras* extras = turn->extras.Find();
    if (!extras) return 0; // read before events were kept
    bool first = true;
    for (const EventsPart& part : EventsParts(extras->events))
        PrintPart(EnglishMessage(part.heading), part.lines, first);
    return std::fflush(stdout) == 0 ? 0 : FailMessage(Msg::CannotWriteOutput);
}
