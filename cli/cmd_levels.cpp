#include "cli/clidoc.h"
#include "cli/commands.h"
#include "model/levelname.h"
#include "model/levelsummary.h"

#include <cstdio>

int RunLevels(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    DocController doc;
    if (!OpenDocument(doc, path)) return 1;
    for (const LevelSummary& level : SummarizeLevels(doc.Doc()))
        std::printf("%d\t%s\t%d\t%ld\n", level.level, LevelName(level.level).c_str(), level.width,
                    level.hexes);
    if (std::fflush(stdout) != 0) return FailMessage(Msg::CannotWriteOutput);
    return 0;
}
