#include "cli/cliparse.h"
#include "cli/commands.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/mapfind.h"
#include "model/docfile.h"
#include "model/vexlordoc.h"

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
    AtlDate date;
    if (dateText && !ParseDate(dateText, date))
        return Fail("bad date '%s': expected a turn count or a date like \"March, Year 5\"",
                    dateText),
               kTrouble;

    VexlorDoc doc;
    DocReadResult opened = OpenDocFile(doc, path);
    if (opened != DocRead) return Fail("%s: %s", path, OpenFailure(opened)), kTrouble;
    if (!doc.LastTurn()) return kNoMatch; // an empty document holds nothing to find
    if (!dateText) date = doc.LastTurn()->date;

    AtlMap map;
    FormatMap(doc, map, date);
    std::vector<FindMatch> matches = FindOnMap(map, text);
    for (const FindMatch& m : matches)
        std::printf("%d,%d,%d\t%s\t%s\n", m.coord.x, m.coord.y, m.coord.z, FindKindName(m.kind),
                    m.text.Get());
    if (std::fflush(stdout) != 0) return Fail("cannot write to standard output"), kTrouble;
    return matches.empty() ? kNoMatch : kMatched;
}
