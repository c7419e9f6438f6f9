#include "model/turnchunk.h"

void WritePerTurn(owstream& os, const VexlorDoc& doc, const TurnPartKind& kind) {
    doc.Extras().turns.WritePart(os, kind);
}

bool KeepPerTurn(const KeptBytes& chunk, VexlorDoc& doc, const TurnPartKind& kind,
                 const ExtPartRead& partRead) {
    struct Part {
        AtlDate date;
        size_t from, to;
        PartShape shape;
    };
    ByteSkim bytes(chunk.data, chunk.size);
    uint32_t count = 0;
    if (!bytes.U32(count)) return false;
    std::vector<Part> parts;
    for (uint32_t i = 0; i < count; ++i) {
        int32_t date = 0;
        PartShape shape;
        if (!bytes.I32(date)) return false;
        size_t from = bytes.Offset();
        if (!kind.skim(bytes, shape)) return false;
        parts.push_back({AtlDate(date), from, bytes.Offset(), shape});
        if (partRead) partRead();
    }
    // Bytes after the last turn are for a later program, as for the reader.
    KeptTurns& turns = doc.Extras().turns;
    for (const Part& part : parts)
        if (doc.FindTurn(part.date))
            turns.Keep(part.date, kind, chunk.Part(part.from, part.to - part.from), part.shape);
    return true;
}
