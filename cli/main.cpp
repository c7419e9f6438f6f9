#include "cli/cliparse.h"
#include "cli/commands.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// name, usage, summary, options taken, operands (least, most; -1 any), usage status, run
const Command kCommands[] = {
    {"lines", "lines REPORT", "print the report's logical lines, one per text line", "", 1, 1, 1,
     RunLines},
    {"dump", "dump DOC", "print the whole document as JSON", "", 1, 1, 1, RunDump},
    {"describe", "describe DOC [--turn DATE] X,Y[,Z]",
     "print the description of a hex for a turn, one line per node", "--turn", 2, 2, 1,
     RunDescribe},
    {"events", "events DOC [--turn DATE]",
     "print the errors, battles and events of a turn as its report wrote them", "--turn", 1, 1, 1,
     RunEvents},
    {"add", "add [--replace] DOC REPORT...", "add reports to a document, one result line each",
     "--replace", 2, -1, 1, RunAdd},
    {"render", "render DOC [--turn DATE] [--plain Z] [--select X,Y] -o FILE.png",
     "paint the map of a level for a turn into a PNG picture", "--turn --plain --select -o", 1, 1,
     1, RunRender},
    {"levels", "levels DOC",
     "print each level: number, name, width learned, hexes known (tab-separated)", "", 1, 1, 1,
     RunLevels},
    // Like grep: 2 when the search could not be made.
    {"find", "find DOC [--turn DATE] TEXT",
     "list the regions, towns, units, buildings or hex a text names, one per line", "--turn", 2, 2,
     2, RunFind},
};

void PrintHelp(FILE* out) {
    std::fprintf(out, "Usage: vexlor-cli COMMAND [ARGS...]\n\nCommands:\n");
    for (const Command& c : kCommands)
        std::fprintf(out, "  %-36s %s\n", c.usage, c.summary);
    std::fprintf(out, "\n  %-36s %s\n", "--help", "show this list");
    std::fprintf(out, "  %-36s %s\n", "--version", "show the version");
    std::fprintf(out, "  %-36s %s\n", "COMMAND --help", "show a command's options");
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
    Fail("unknown command '%s' (see vexlor-cli --help)", argv[1]);
    return 1;
}
