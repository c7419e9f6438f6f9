#pragma once

#include <array>
#include <functional>
#include <span>

class iwstream;
class owstream;
class VexlorDoc;
struct KeptBytes;

// Told after each turn's part of a per-turn chunk is walked while the area is read: on a long
// game the area is as large as the records before it, and a window keeps repainting through it.
using ExtPartRead = std::function<void()>;

// One kind of chunk of the extension area (model/extarea.h): its tag and its writer and
// reader. Each kind has its own file with the two functions; the table in extchunks.cpp
// lists them all.
struct ExtChunkKind {
    std::array<char, 4> tag;
    // Writes the chunk's bytes for doc. Writing nothing leaves the chunk out of the file.
    void (*write)(owstream& os, const VexlorDoc& doc);
    // Reads the chunk's bytes (the stream ends where the chunk ends) into doc. On false the
    // chunk is refused and doc must be as it was before the call. Bytes after the fields
    // the reader knows are for a later program and are skipped.
    bool (*read)(iwstream& is, VexlorDoc& doc);
    // For a kind read only when asked for: keeps the chunk's bytes in doc instead, and refuses
    // (false, doc as it was) exactly what read refuses. Null for a kind always read at once.
    bool (*keep)(const KeptBytes& chunk, VexlorDoc& doc, const ExtPartRead& partRead);
};

// Every kind this program knows, in the order they are written.
std::span<const ExtChunkKind> ExtChunkKinds();
// The kind with that tag, or null for a tag this program does not know.
const ExtChunkKind* FindExtChunkKind(const std::array<char, 4>& tag);
