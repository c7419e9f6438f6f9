#include "model/extarea.h"

#include "base/fileimage.h"
#include "base/wio.h"
#include "base/wstream.h"
#include "model/extchunks.h"
#include "model/keptbytes.h"
#include "model/vexlordoc.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using Tag = std::array<char, 4>;

constexpr unsigned char kMagic[kExtMagicSize] = {'V', 'e', 'x', 'l', 'o', 'r', 'X', 0x1A};
constexpr Tag kEndTag = {'E', 'N', 'D', ' '};

void WriteChunk(owstream& os, const Tag& tag, const std::vector<unsigned char>& bytes) {
    os.write(tag.data(), 4);
    WriteU32(os, static_cast<uint32_t>(bytes.size()));
    os.write(bytes.data(), static_cast<long>(bytes.size()));
}

// The chunk's bytes, which the turns keeping views into them share: a view of the file's image
// when the file was opened in place, else one block of their own. The block is read in pieces
// so that a damaged length cannot ask for memory the input does not back, and grows through
// realloc, which moves a large block's pages instead of copying them, so the bytes are held
// once, at their exact size. False when the input ends first.
bool ReadChunkBytes(iwstream& is, uint32_t length, KeptBytes& bytes) {
    if (auto* shared = dynamic_cast<isharedwstream*>(&is); shared && shared->Bytes()) {
        const std::shared_ptr<const FileImage>& image = shared->Bytes();
        const size_t at = shared->Position();
        if (image->Size() - at < length) return false;
        bytes = {image, image->Data() + at, length};
        return shared->seekrel(static_cast<long>(length));
    }
    constexpr size_t kFirstPiece = 64 * 1024;
    std::unique_ptr<unsigned char, decltype(&std::free)> block(nullptr, &std::free);
    size_t had = 0;
    while (had < length) {
        size_t piece = std::min<size_t>(std::max(kFirstPiece, had), length - had);
        auto* grown = static_cast<unsigned char*>(std::realloc(block.get(), had + piece));
        if (!grown) return false;
        block.release();
        block.reset(grown);
        if (is.read(grown + had, static_cast<long>(piece)) != static_cast<long>(piece))
            return false;
        had += piece;
    }
    const unsigned char* data = block.get();
    bytes = {std::shared_ptr<const void>(std::move(block)), data, had};
    return true;
}

void ReadChunk(const Tag& tag, const KeptBytes& bytes, VexlorDoc& doc, ExtReading reading,
               const ExtPartRead& partRead) {
    DocExtras& extras = doc.Extras();
    const ExtChunkKind* kind = FindExtChunkKind(tag);
    if (!kind) {
        extras.keptChunks.push_back({tag, {bytes.data, bytes.data + bytes.size}});
        return;
    }
    bool read;
    if (kind->keep && reading == ExtReading::WhenAsked) {
        read = kind->keep(bytes, doc, partRead);
    } else {
        imwstream chunk(bytes.data, bytes.size);
        read = kind->read(chunk, doc);
    }
    if (!read) extras.damaged = true;
}

} // namespace

void WriteExtArea(owstream& os, const VexlorDoc& doc) {
    // Each chunk's length comes first, so each is made whole before it is written; the
    // streams are kept rather than copied, for a long game's chunks are large.
    std::vector<std::pair<Tag, std::unique_ptr<omwstream>>> chunks;
    for (const ExtChunkKind& kind : ExtChunkKinds()) {
        auto chunk = std::make_unique<omwstream>();
        kind.write(*chunk, doc);
        if (!chunk->Bytes().empty()) chunks.emplace_back(kind.tag, std::move(chunk));
    }
    const std::vector<KeptChunk>& kept = doc.Extras().keptChunks;
    if (chunks.empty() && kept.empty()) return;
    os.write(kMagic, sizeof kMagic);
    for (const auto& [tag, chunk] : chunks)
        WriteChunk(os, tag, chunk->Bytes());
    for (const KeptChunk& chunk : kept)
        WriteChunk(os, chunk.tag, chunk.bytes);
    WriteChunk(os, kEndTag, {});
}

void ReadExtArea(iwstream& is, VexlorDoc& doc, ExtReading reading, const ExtPartRead& partRead) {
    DocExtras& extras = doc.Extras();
    unsigned char magic[kExtMagicSize];
    long got = is.read(magic, sizeof magic);
    if (got == 0) return; // a version-1 file: nothing follows the document
    if (got != static_cast<long>(sizeof magic) || std::memcmp(magic, kMagic, sizeof magic) != 0) {
        extras.damaged = true;
        return;
    }
    for (;;) {
        Tag tag;
        uint32_t length = 0;
        KeptBytes bytes;
        if (is.read(tag.data(), 4) != 4 || !ReadU32(is, length) ||
            !ReadChunkBytes(is, length, bytes)) {
            extras.damaged = true;
            return;
        }
        if (tag == kEndTag) return;
        ReadChunk(tag, bytes, doc, reading, partRead);
    }
}
