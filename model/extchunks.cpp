#include "model/extchunks.h"

#include "model/allychunk.h"
#include "model/levelwidthschunk.h"
#include "model/notechunk.h"
#include "model/referenceschunk.h"
#include "model/turnchunk.h"

#include <algorithm>

namespace {

// Damaged bytes are written back from the kept chunks only, and never read.
void WriteNoChunk(owstream&, const VexlorDoc&) {}
bool RefuseChunk(const KeptBytes&, VexlorDoc&) {
    return false;
}

// A new kind of chunk: its walk in model/records.h (with a part kind in turnchunk.cpp for a
// per-turn chunk), and one line here.
const ExtChunkKind kKinds[] = {
    {{'L', 'V', 'L', 'W'}, nullptr, WriteLevelWidthsChunk, ReadLevelWidthsChunk},
    {{'R', 'G', 'N', 'X'}, &kRegionsPart, nullptr, nullptr},
    {{'U', 'N', 'T', 'X'}, &kUnitsPart, nullptr, nullptr},
    {{'E', 'V', 'N', 'T'}, &kEventsPart, nullptr, nullptr},
    {{'W', 'A', 'G', 'E'}, &kWagesPart, nullptr, nullptr},
    {{'N', 'O', 'T', 'E'}, nullptr, WriteNotesChunk, ReadNotesChunk},
    {{'F', 'A', 'C', 'T'}, &kFactionPart, nullptr, nullptr},
    {{'R', 'E', 'F', 'S'}, nullptr, WriteReferencesChunk, ReadReferencesChunk},
    {{'U', 'F', 'L', 'G'}, &kUnitFlagsPart, nullptr, nullptr},
    // The allies' maps come after everything of the player's own, which stays byte for byte
    // what it is without them.
    {{'A', 'L', 'L', 'Y'}, nullptr, nullptr, ReadAllyChunk, CountAllyChunks, WriteAllyChunk},
    {kDamagedTag, nullptr, WriteNoChunk, RefuseChunk},
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
