#pragma once

#include "base/wio.h"
#include "base/wstream.h"
#include "model/vexlordoc.h"

#include <cstdint>
#include <utility>
#include <vector>

// The frame the chunks of per-turn data share: the number of turns, then for each turn its
// date and what the chunk keeps of it.

// Writes the turns for which has(turn.extras) holds, each through write(os, turn.extras);
// nothing at all when there are none, so that the chunk is left out.
template <class Has, class Write>
void WritePerTurn(owstream& os, const VexlorDoc& doc, Has has, Write write) {
    uint32_t count = 0;
    for (const TurnNode& turn : doc.Turns())
        count += has(turn.extras) ? 1 : 0;
    if (count == 0) return;
    WriteU32(os, count);
    for (const TurnNode& turn : doc.Turns()) {
        if (!has(turn.extras)) continue;
        turn.date.write(os);
        write(os, turn.extras);
    }
}

// Reads the turns into Parts through read(is, part) (false: refused); only when every turn
// read does it hand each part to apply(turn.extras, part) for the document's turn of that
// date (a date the document has no turn for is dropped).
template <class Part, class Read, class Apply>
bool ReadPerTurn(iwstream& is, VexlorDoc& doc, Read read, Apply apply) {
    uint32_t count = 0;
    if (!ReadU32(is, count)) return false;
    std::vector<std::pair<AtlDate, Part>> parts;
    for (uint32_t i = 0; i < count; ++i) {
        AtlDate date;
        Part part;
        if (date.read(is) != 0 || !read(is, part) || !is.good()) return false;
        parts.emplace_back(date, std::move(part));
    }
    for (auto& [date, part] : parts)
        if (TurnNode* turn = doc.FindTurn(date)) apply(turn->extras, std::move(part));
    return true;
}
