#include "base/textutil.h"
#include "cli/clidoc.h"
#include "cli/commands.h"

#include <climits>
#include <cstdio>

namespace {

// How long a removal waits for another program that is changing the same document.
constexpr int kLockWaitMs = 30000;

int Remove(const char* path, const char* factionText) {
    std::optional<long> faction = ParseWhole(factionText, 1, INT_MAX);
    if (!faction) return FailMessage(Msg::BadFaction, {factionText});
    // One writer at a time, from reading the document to saving it, as add does.
    DocController doc;
    DocOutcome reserved = doc.Reserve(path, kLockWaitMs);
    if (reserved.kind != DocOutcomeKind::Done) return FailWith(reserved);
    if (!OpenDocument(doc, path)) return 1;
    DocOutcome removed = doc.RemoveAlly(static_cast<int>(*faction));
    if (removed.kind != DocOutcomeKind::AllyRemoved) return FailWith(removed);
    DocOutcome saved = doc.Save();
    return saved.kind == DocOutcomeKind::Done ? 0 : FailWith(saved);
}

} // namespace

int RunAllies(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    if (const char* faction = args.Value("--remove")) return Remove(path, faction);
    DocController doc;
    if (!OpenDocument(doc, path)) return 1;
    for (const auto& ally : doc.Doc().Extras().allies.All()) {
        const VexlorDoc& map = *ally->doc;
        auto month = [](const TurnNode* turn) { return turn ? turn->date.GetString() : Str("-"); };
        std::printf("%d\t%s\t%ld\t%s\t%s\n", map.GetFaction().Number(), ally->name.Get(),
                    map.Turns().LongCountNodes(), month(map.FirstTurn()).Get(),
                    month(map.LastTurn()).Get());
    }
    if (std::fflush(stdout) != 0) return FailMessage(Msg::CannotWriteOutput);
    return 0;
}
