#include "cli/clidoc.h"
#include "cli/commands.h"
#include "descr/descrtree.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "model/coordtext.h"
#include "tree/treeviewnode.h"

#include <cstdio>

int RunDescribe(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    const char* coordText = args.operands[1].c_str();

    auto typed = ParseCoordText(coordText, LevelForms::NumbersOrWords);
    if (!typed) return FailMessage(Msg::BadCoordinate, {coordText});
    AtlCoord coord(typed->x, typed->y, typed->z.value_or(0));
    if ((coord.x + coord.y) % 2 != 0) return FailMessage(Msg::OddCoordinate, {coordText});
    DocController doc;
    TurnShown shown = OpenAtTurn(doc, path, args.Value("--turn"));
    if (shown != TurnShown::Shown) return shown == TurnShown::Failed; // empty: nothing to describe

    AtlMap map;
    FormatMap(doc.Doc(), map, doc.ShownDate());
    // Every line is printed whatever its open state, so the options do not matter here.
    std::unique_ptr<DescrTVRoot> root = BuildDescrTree(doc.Doc(), map, coord, DescrOptions());
    if (root) {
        std::string text = TreeText(*root);
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : FailMessage(Msg::CannotWriteOutput);
}
