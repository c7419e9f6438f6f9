#include "base/messagetext.h"
#include "cli/cliparse.h"
#include "cli/commands.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// name, usage, summary, options taken, operands (least, most; -1 any), usage status, run
const Command kCommands[] = {
    {"lines", Msg::CliLinesUsage, Msg::CliLinesSummary, "", 1, 1, 1, RunLines},
    {"dump", Msg::CliDumpUsage, Msg::CliDumpSummary, "", 1, 1, 1, RunDump},
    {"describe", Msg::CliDescribeUsage, Msg::CliDescribeSummary, "--turn", 2, 2, 1, RunDescribe},
    {"events", Msg::CliEventsUsage, Msg::CliEventsSummary, "--turn", 1, 1, 1, RunEvents},
    {"changes", Msg::CliChangesUsage, Msg::CliChangesSummary, "--turn", 1, 1, 2, RunChanges},
    {"add", Msg::CliAddUsage, Msg::CliAddSummary, "--replace --force --ally", 2, -1, 1, RunAdd},
    {"render", Msg::CliRenderUsage, Msg::CliRenderSummary, "--turn --plain --select --shade -o", 1,
     1, 1, RunRender},
    {"levels", Msg::CliLevelsUsage, Msg::CliLevelsSummary, "", 1, 1, 1, RunLevels},
    // Like grep: 2 when the search could not be made.
    {"find", Msg::CliFindUsage, Msg::CliFindSummary, "--turn", 2, 2, 2, RunFind},
    {"allies", Msg::CliAlliesUsage, Msg::CliAlliesSummary, "--remove", 1, 1, 1, RunAllies},
    {"export-ally", Msg::CliExportAllyUsage, Msg::CliExportAllySummary, "--from", 2, 2, 1,
     RunExportAlly},
    {"notes", Msg::CliNotesUsage, Msg::CliNotesSummary, "", 1, 1, 1, RunNotes},
    {"note", Msg::CliNoteUsage, Msg::CliNoteSummary, "", 3, 3, 1, RunNote},
    {"faction", Msg::CliFactionUsage, Msg::CliFactionSummary, "--turn", 1, 1, 1, RunFaction},
    {"reference", Msg::CliReferenceUsage, Msg::CliReferenceSummary, "", 1, 2, 2, RunReference},
    {"track", Msg::CliTrackUsage, Msg::CliTrackSummary, "", 2, 2, 2, RunTrack},
    {"units", Msg::CliUnitsUsage, Msg::CliUnitsSummary, "--turn --all", 1, 1, 1, RunUnits},
    {"factions", Msg::CliFactionsUsage, Msg::CliFactionsSummary, "", 1, 1, 2, RunFactions},
    {"history", Msg::CliHistoryUsage, Msg::CliHistorySummary, "", 2, 2, 2, RunHistory},
};

void PrintHelp(FILE* out) {
    std::fprintf(out, "%s\n\n%s\n", EnglishMessage(Msg::CliUsageLine),
                 EnglishMessage(Msg::CliCommandsHeading));
    for (const Command& c : kCommands)
        std::fprintf(out, "  %-36s %s\n", EnglishMessage(c.usage), EnglishMessage(c.summary));
    std::fprintf(out, "\n  %-36s %s\n", "--help", EnglishMessage(Msg::CliHelpList));
    std::fprintf(out, "  %-36s %s\n", "--version", EnglishMessage(Msg::CliHelpVersion));
    std::fprintf(out, "  %-36s %s\n", "COMMAND --help", EnglishMessage(Msg::CliHelpCommand));
}

} // namespace

int Fail(const char* format, ...) {
    std::fputs("vexlor-cli: ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    return 1;
}

int FailMessage(int id, std::initializer_list<std::string_view> args) {
    return Fail("%s", EnglishMessage(id, args).Get());
}

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintHelp(stderr);
        return 1;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") ||
        !std::strcmp(argv[1], "help")) {
        PrintHelp(stdout);
        return 0;
    }
    if (!std::strcmp(argv[1], "--version")) {
        std::printf("vexlor-cli %s\n", VEXLOR_VERSION);
        return 0;
    }
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name)) continue;
        CommandArgs args;
        if (std::optional<int> status = ReadCommandArgs(c, argc - 1, argv + 1, args))
            return *status;
        return c.run(args);
    }
    return FailMessage(Msg::UnknownCommand, {argv[1]});
}
