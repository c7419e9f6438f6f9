#include "cli/clidoc.h"
#include "cli/commands.h"
#include "map/unitlist.h"

#include <cstdio>
#include <string>

// One line per unit of the turn: "X,Y,Z\tNUMBER\tNAME\tFACTION\tFLAGS\tITEMS\tSKILLS", the
// faction by number (empty where unknown); the player's and the allies' units, or with --all
// every unit seen that month.
int RunUnits(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    DocController doc;
    TurnShown shown = OpenAtTurn(doc, path, args.Value("--turn"));
    if (shown != TurnShown::Shown) return shown == TurnShown::Failed; // empty: no units
    std::string out;
    for (const UnitRow& row : ListUnits(doc.Doc(), doc.ShownDate(), args.Has("--all"))) {
        out += UnitCell(row, UnitColumn::Hex).View();
        out += '\t';
        out += std::to_string(row.number);
        out += '\t';
        out += row.name.View();
        out += '\t';
        if (row.faction != 0) out += std::to_string(row.faction);
        for (const Str* part : {&row.flags, &row.items, &row.skills}) {
            out += '\t';
            out += part->View();
        }
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : FailMessage(Msg::CannotWriteOutput);
}
