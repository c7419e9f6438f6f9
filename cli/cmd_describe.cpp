#include "cli/clidoc.h"
#include "cli/cliparse.h"
#include "cli/commands.h"
#include "descr/descrtree.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "tree/treeviewnode.h"

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] = "usage: vexlor-cli describe DOC [--turn DATE] X,Y[,Z]";

} // namespace

int RunDescribe(int argc, char** argv) {
    const char* path = nullptr;
    const char* dateText = nullptr;
    const char* coordText = nullptr;
    for (int i = 0; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--turn")) {
            if (++i == argc || dateText) return Fail(kUsage);
            dateText = argv[i];
        } else if (!path) {
            path = argv[i];
        } else if (!coordText) {
            coordText = argv[i];
        } else {
            return Fail(kUsage);
        }
    }
    if (!path || !coordText) return Fail(kUsage);

    AtlCoord coord;
    if (!ParseCoord(coordText, coord))
        return Fail("bad coordinate '%s': expected X,Y or X,Y,Z", coordText);
    if ((coord.x + coord.y) % 2 != 0)
        return Fail("bad coordinate '%s': no hex has an odd x + y", coordText);
    DocController doc;
    if (!OpenDocument(doc, path)) return 1;
    if (!doc.Doc().LastTurn() && !dateText) return 0; // an empty document describes nothing
    if (!ShowTurn(doc, dateText)) return 1;

    AtlMap map;
    FormatMap(doc.Doc(), map, doc.ShownDate());
    // Every line is printed whatever its open state, so the options do not matter here.
    std::unique_ptr<DescrTVRoot> root = BuildDescrTree(doc.Doc(), map, coord, DescrOptions());
    if (root) {
        std::string text = TreeText(*root);
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write to standard output");
}
