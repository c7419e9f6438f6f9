#include "cli/clidoc.h"
#include "cli/commands.h"
#include "map/factionlist.h"

#include <cstdio>

// Every faction the map has seen, one line each by number: "NUMBER\tNAME\tFIRST\tLAST\tATTITUDE",
// the months as the report writes them and the attitude the player's newest report declared.
int RunFactions(const CommandArgs& args) {
    DocController doc;
    if (!OpenDocument(doc, args.operands[0].c_str())) return 1;
    const VexlorDoc& map = doc.Doc();
    // The player declares attitudes in the own reports only; an ally's later month says none.
    const AtlDate newest = map.LastTurn() ? map.LastTurn()->date : map.LastMonth();
    for (const FactionRow& row : ListFactions(map, newest))
        std::printf("%d\t%s\t%s\t%s\t%s\n", row.number, row.name.Get(), row.first.GetString().Get(),
                    row.last.GetString().Get(), row.attitude.Get());
    return std::fflush(stdout) == 0 ? 0 : FailMessage(Msg::CannotWriteOutput);
}
