#include "cli/clidoc.h"
#include "cli/commands.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/mapfind.h"

#include <cstdio>

namespace {

// Like grep: 0 something matched, 1 nothing did, 2 the search could not be made.
constexpr int kMatched = 0;
constexpr int kNoMatch = 1;
constexpr int kTrouble = 2;

} // namespace

int RunFind(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    const std::string& text = args.operands[1];
    DocController doc;
    TurnShown shown = OpenAtTurn(doc, path, args.Value("--turn"));
    if (shown == TurnShown::Failed) return kTrouble;
    if (shown == TurnShown::Empty) return kNoMatch; // an empty document: nothing

    AtlMap map;
    FormatMap(doc.Doc(), map, doc.ShownDate());
    std::vector<FindMatch> matches = FindOnMap(map, text);
    for (const FindMatch& m : matches)
        std::printf("%d,%d,%d\t%s\t%s\n", m.coord.x, m.coord.y, m.coord.z, FindKindName(m.kind),
                    m.text.Get());
    if (std::fflush(stdout) != 0) return FailMessage(Msg::CannotWriteOutput), kTrouble;
    return matches.empty() ? kNoMatch : kMatched;
}
