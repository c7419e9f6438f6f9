#pragma once

#include "base/wio.h"
#include "base/wstream.h"
#include "model/byteskim.h"
#include "model/extchunks.h"
#include "model/keptbytes.h"
#include "model/vexlordoc.h"

#include <cstdint>
#include <utility>
#include <vector>

// The frame the chunks of per-turn data share: the number of turns, then for each turn its
// date and its part of the chunk. A document keeps each turn's part as the chunk's bytes and
// reads it into objects only when the turn is asked for (model/keptturns.h), so opening a long
// game does not build every turn it holds.

// What one turn's part is like, learned by walking its bytes.
struct PartShape {
    bool empty = true;  // it holds nothing, so a writer leaves the turn out of the chunk
    bool normal = true; // writing what it reads gives these very bytes back
};

// One kind of per-turn part: how its bytes are checked, read and written.
struct TurnPartKind {
    int slot; // its place among a turn's kept parts (KeptTurns::kParts)
    // Walks one turn's part as decode would read it: false exactly where reading refuses it.
    bool (*skim)(ByteSkim& bytes, PartShape& shape);
    // Reads one turn's part, which skim accepted, into extras.
    void (*decode)(iwstream& is, TurnExtras& extras);
    bool (*has)(const TurnExtras& extras);
    void (*write)(owstream& os, const TurnExtras& extras);
};

// Writes every turn that has something of the kind, kept bytes as they were read; nothing at
// all when no turn has, so that the chunk is left out.
void WritePerTurn(owstream& os, const VexlorDoc& doc, const TurnPartKind& kind);

// Keeps each turn's part of the chunk as its bytes (a date the document has no turn for is
// dropped). False, with the document unchanged, for a chunk ReadPerTurn refuses. partRead, when
// given, is told after each turn's part.
bool KeepPerTurn(const KeptBytes& chunk, VexlorDoc& doc, const TurnPartKind& kind,
                 const ExtPartRead& partRead = {});

// Reads the whole chunk into objects at once: the turns into Parts through read(is, part)
// (false: refused); only when every turn read does it hand each part to apply(extras, part)
// for the turn of that date (a date the document has no turn for is dropped).
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

// Reads one turn's part through the same read and apply as the whole chunk.
template <class Part, class Read, class Apply>
void DecodePart(iwstream& is, TurnExtras& extras, Read read, Apply apply) {
    Part part;
    read(is, part);
    apply(extras, std::move(part));
}
