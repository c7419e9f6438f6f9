#include "cli/clidoc.h"
#include "cli/commands.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/mapfind.h"

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] = "usage: vexlor-cli find DOC [--turn DATE] TEXT";

// Like grep: 0 something matched, 1 nothing did, 2 the search could not be made.
constexpr int kMatched = 0;
constexpr int kNoMatch = 1;
constexpr int kTrouble = 2;

} // namespace

int RunFind(int argc, char** argv) {
    const char* path = nullptr;
    const char* dateText = nullptr;
    const char* text = nullptr;
    for (int i = 0; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--turn")) {
            if (++i == argc || dateText) return Fail(kUsage), kTrouble;
            dateText = argv[i];
        } else if (!path) {
            path = argv[i];
        } else if (!text) {
            text = argv[i];
        } else {
            return Fail(kUsage), kTrouble;
        }
    }
    if (!path || !text) return Fail(kUsage), kTrouble;
    DocController doc;
    if (!OpenDocument(doc, path)) return kTrouble;
    if (!doc.Doc().LastTurn() && !dateText) return kNoMatch; // an empty document: nothing
    if (!ShowTurn(doc, dateText)) return kTrouble;

    AtlMap map;
    FormatMap(doc.Doc(), map, doc.ShownDate());
    std::vector<FindMatch> matches = FindOnMap(map, text);
    for (const FindMatch& m : matches)
        std::printf("%d,%d,%d\t%s\t%s\n", m.coord.x, m.coord.y, m.coord.z, FindKindName(m.kind),
                    m.text.Get());
    if (std::fflush(stdout) != 0) return Fail("cannot write to standard output"), kTrouble;
    return matches.empty() ? kNoMatch : kMatched;
}
