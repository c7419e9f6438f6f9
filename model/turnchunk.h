#pragma once

#include "base/wio.h"
#include "base/wstream.h"
#include "model/vexlordoc.h"

#include <cstdint>
#include <utility>
#include <vector>

// The frame the chunks of per-turn data share: the number of turns, then for each turn its
// date and what the chunk keeps of it.

// Writes the turns kept for which has(extras) holds, each through write(os, extras); nothing
// at all when there are none, so that the chunk is left out.
template <class Has, class Write>
void WritePerTurn(owstream& os, const VexlorDoc& doc, Has has, Write write) {
    uint32_t count = 0;
    for (const auto& [date, extras] : doc.Extras().turns)
        count += has(extras) ? 1 : 0;
    if (count == 0) return;
    WriteU32(os, count);
    for (const auto& [date, extras] : doc.Extras().turns) {
        if (!has(extras)) continue;
        date.write(os);
        write(os, extras);
    }
}

// Reads the turns into Parts through read(is, part) (false: refused); only when every turn
// read does it hand each part to apply(extras, part) for the turn of that date (a date the
// document has no turn for is dropped).
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
        if (doc.FindTurn(date)) apply(doc.Extras().turns[date], std::move(part));
    return true;
}
