#include "cli/clidoc.h"
#include "cli/cliparse.h"
#include "cli/commands.h"
#include "gfx/offscreen.h"
#include "gfx/offscreengui.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "mapview/maprender.h"

#include <cstring>

namespace {

const char kUsage[] =
    "usage: vexlor-cli render DOC [--turn DATE] [--plain Z] [--select X,Y] -o FILE.png";

struct RenderArgs {
    const char* path = nullptr;
    const char* dateText = nullptr;
    const char* plainText = nullptr;
    const char* selectText = nullptr;
    const char* outPath = nullptr;
};

// Each option at most once, with its value; one document.
bool ReadArgs(int argc, char** argv, RenderArgs& args) {
    for (int i = 0; i < argc; ++i) {
        const char** option = !std::strcmp(argv[i], "--turn")     ? &args.dateText
                              : !std::strcmp(argv[i], "--plain")  ? &args.plainText
                              : !std::strcmp(argv[i], "--select") ? &args.selectText
                              : !std::strcmp(argv[i], "-o")       ? &args.outPath
                                                                  : nullptr;
        if (option) {
            if (++i == argc || *option) return false;
            *option = argv[i];
        } else if (!args.path && argv[i][0] != '-') {
            args.path = argv[i];
        } else {
            return false;
        }
    }
    return args.path && args.outPath;
}

} // namespace

int RunRender(int argc, char** argv) {
    RenderArgs args;
    if (!ReadArgs(argc, argv, args)) return Fail(kUsage);

    long plain = 0;
    if (args.plainText && !ParseInt(args.plainText, 0, 255, plain))
        return Fail("bad plain '%s': expected a level from 0 to 255 (0 the surface, 1 the "
                    "underworld, 2 the nexus, 3 and up the deeper levels)",
                    args.plainText);
    AtlCoord select;
    if (args.selectText) {
        // Without a level the coordinate lies on the plain drawn; with one it must name it.
        bool hasLevel = std::strchr(args.selectText, ',') != std::strrchr(args.selectText, ',');
        if (!ParseCoord(args.selectText, select) || (hasLevel && select.z != plain))
            return Fail("bad selection '%s': expected X,Y on the plain drawn", args.selectText);
        select.z = static_cast<uint8_t>(plain);
    }

    DocController doc;
    if (!OpenDocument(doc, args.path) || !ShowTurn(doc, args.dateText)) return 1;
    DocOutcome output = doc.CheckPictureOutput(args.outPath);
    if (output.kind != DocOutcomeKind::Done) return FailWith(output);

    AtlMap map;
    FormatMap(doc.Doc(), map, doc.ShownDate());
    if (args.selectText) {
        // Hexes lie where x and y are both even or both odd.
        if (select.x < 0 || select.y < 0 || (select.x + select.y) % 2 != 0)
            return Fail("bad selection '%s': no hex of the map lies there", args.selectText);
        map.SelectHex(select, true);
    }

    OffscreenGui gui;
    OffscreenBuffer buffer;
    if (!RenderPlain(map, static_cast<int>(plain), buffer))
        return Fail("cannot make a picture of that size");
    if (!buffer.SavePng(args.outPath)) return Fail("%s: cannot write", args.outPath);
    return 0;
}
