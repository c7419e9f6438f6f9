#include "model/extchunks.h"

#include "model/levelwidthschunk.h"
#include "model/regionextraschunk.h"
#include "model/turneventschunk.h"
#include "model/unitextraschunk.h"

#include <algorithm>

namespace {

// A new kind of chunk: its own file with a writer and a reader, and one line here.
constexpr ExtChunkKind kKinds[] = {
    {{'L', 'V', 'L', 'W'}, WriteLevelWidthsChunk, ReadLevelWidthsChunk, nullptr},
    {{'R', 'G', 'N', 'X'}, WriteRegionExtrasChunk, ReadRegionExtrasChunk, KeepRegionExtrasChunk},
    {{'U', 'N', 'T', 'X'}, WriteUnitExtrasChunk, ReadUnitExtrasChunk, KeepUnitExtrasChunk},
    {{'E', 'V', 'N', 'T'}, WriteTurnEventsChunk, ReadTurnEventsChunk, KeepTurnEventsChunk},
};

} // namespace

std::span<const ExtChunkKind> ExtChunkKinds() {
    return kKinds;
}

const ExtChunkKind* FindExtChunkKind(const std::array<char, 4>& tag) {
    auto it = std::find_if(std::begin(kKinds), std::end(kKinds),
                           [&](const ExtChunkKind& kind) { return kind.tag == tag; });
    return it == std::end(kKinds) ? nullptr : it;
}
