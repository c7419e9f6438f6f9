#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>

class owstream;
class VexlorDoc;
struct KeptBytes;
struct TurnPartKind;

// Told after each turn's part of a per-turn chunk is walked while the area is read: on a long
// game the area is as large as the records before it, and a window keeps repainting through it.
using ExtPartRead = std::function<void()>;

// One kind of chunk of the extension area (model/extarea.h): its tag, and either the part of
// each turn it holds (model/turnchunk.h), whose turns stay as bytes until asked for, or its
// writer and reader. The table in extchunks.cpp lists them all.
struct ExtChunkKind {
    std::array<char, 4> tag;
    const TurnPartKind* perTurn; // null for a chunk read at once
    // Writes the chunk's bytes for doc. Writing nothing leaves the chunk out of the file.
    void (*write)(owstream& os, const VexlorDoc& doc);
    // Reads the chunk's bytes into doc. On false the chunk is refused and doc must be as it
    // was before the call. Bytes after the fields the reader knows are for a later program
    // and are skipped.
    bool (*read)(const KeptBytes& chunk, VexlorDoc& doc);
    // For a kind written as several chunks of one tag (one for each ally): how many, and the
    // writer of each, in place of write. Each is read by read on its own, so that a damaged one
    // loses no other.
    size_t (*count)(const VexlorDoc& doc) = nullptr;
    void (*writeEach)(owstream& os, const VexlorDoc& doc, size_t index) = nullptr;
};

// The tag under which bytes of a damaged area that form no chunk are kept (DocExtras::keptChunks):
// a kind whose reader refuses every chunk, so that each opening says the area is damaged and
// each save keeps the bytes as they were.
inline constexpr std::array<char, 4> kDamagedTag = {'D', 'M', 'G', 'D'};

// Every kind this program knows, in the order they are written.
std::span<const ExtChunkKind> ExtChunkKinds();
// The kind with that tag, or null for a tag this program does not know.
const ExtChunkKind* FindExtChunkKind(const std::array<char, 4>& tag);
