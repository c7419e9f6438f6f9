#include "model/extarea.h"

#include "base/wio.h"
#include "base/wstream.h"
#include "model/extchunks.h"
#include "model/vexlordoc.h"

#include <algorithm>
#include <cstring>

namespace {

using Tag = std::array<char, 4>;

constexpr unsigned char kMagic[kExtMagicSize] = {'V', 'e', 'x', 'l', 'o', 'r', 'X', 0x1A};
constexpr Tag kEndTag = {'E', 'N', 'D', ' '};

void WriteChunk(owstream& os, const Tag& tag, const std::vector<unsigned char>& bytes) {
    os.write(tag.data(), 4);
    WriteU32(os, static_cast<uint32_t>(bytes.size()));
    os.write(bytes.data(), static_cast<long>(bytes.size()));
}

// The chunk's bytes, read in pieces so that a damaged length cannot ask for memory the file
// does not back. False when the input ends first.
bool ReadChunkBytes(iwstream& is, uint32_t length, std::vector<unsigned char>& bytes) {
    constexpr uint32_t kPiece = 64 * 1024;
    bytes.clear();
    while (bytes.size() < length) {
        size_t piece = std::min<size_t>(kPiece, length - bytes.size());
        size_t had = bytes.size();
        bytes.resize(had + piece);
        if (is.read(bytes.data() + had, static_cast<long>(piece)) != static_cast<long>(piece))
            return false;
    }
    return true;
}

} // namespace

void WriteExtArea(owstream& os, const VexlorDoc& doc) {
    std::vector<std::pair<Tag, std::vector<unsigned char>>> chunks;
    for (const ExtChunkKind& kind : ExtChunkKinds()) {
        omwstream chunk;
        kind.write(chunk, doc);
        if (!chunk.Bytes().empty()) chunks.emplace_back(kind.tag, chunk.Bytes());
    }
    const std::vector<KeptChunk>& kept = doc.Extras().keptChunks;
    if (chunks.empty() && kept.empty()) return;
    os.write(kMagic, sizeof kMagic);
    for (const auto& [tag, bytes] : chunks)
        WriteChunk(os, tag, bytes);
    for (const KeptChunk& chunk : kept)
        WriteChunk(os, chunk.tag, chunk.bytes);
    WriteChunk(os, kEndTag, {});
}

void ReadExtArea(iwstream& is, VexlorDoc& doc) {
    DocExtras& extras = doc.Extras();
    unsigned char magic[kExtMagicSize];
    long got = is.read(magic, sizeof magic);
    if (got == 0) return; // a version-1 file: nothing follows the document
    if (got != static_cast<long>(sizeof magic) || std::memcmp(magic, kMagic, sizeof magic) != 0) {
        extras.damaged = true;
        return;
    }
    std::vector<unsigned char> bytes;
    for (;;) {
        Tag tag;
        uint32_t length = 0;
        if (is.read(tag.data(), 4) != 4 || !ReadU32(is, length) ||
            !ReadChunkBytes(is, length, bytes)) {
            extras.damaged = true;
            return;
        }
        if (tag == kEndTag) return;
        if (const ExtChunkKind* kind = FindExtChunkKind(tag)) {
            imwstream chunk(bytes.data(), bytes.size());
            if (!kind->read(chunk, doc)) extras.damaged = true;
        } else {
            extras.keptChunks.push_back({tag, bytes});
        }
    }
}
