#include "model/extarea.h"

#include "base/wio.h"
#include "base/wstream.h"
#include "model/extchunks.h"
#include "model/keptbytes.h"
#include "model/recordio.h"
#include "model/turnchunk.h"
#include "model/vexlordoc.h"

#include <algorithm>
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

// Damage is kept as it was read, so that no save loses what a later program might still
// read: a chunk refused under its own tag, bytes that are no chunk under kDamagedTag.
void KeepDamaged(const Tag& tag, const KeptBytes& bytes, DocExtras& extras) {
    extras.damaged = true;
    if (bytes.size > 0) extras.keptChunks.push_back({tag, {bytes.data, bytes.data + bytes.size}});
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
    if (!kind->perTurn)
        read = kind->read(bytes, doc);
    else if (reading == ExtReading::WhenAsked)
        read = KeepPerTurn(bytes, doc, *kind->perTurn, partRead);
    else
        read = ReadPerTurn(bytes, doc, *kind->perTurn);
    if (!read) KeepDamaged(tag, bytes, extras);
}

} // namespace

void WriteExtArea(owstream& os, const VexlorDoc& doc) {
    // Each chunk's length comes first, so each is made whole before it is written; the
    // streams are kept rather than copied, for a long game's chunks are large.
    std::vector<std::pair<Tag, std::unique_ptr<omwstream>>> chunks;
    // A chunk its writer could not make whole fails the file, never goes into it cut.
    auto make = [&](const ExtChunkKind& kind, auto write) {
        auto chunk = std::make_unique<omwstream>();
        write(*chunk);
        if (!chunk->good()) return os.setstate(chunk->rdstate()), false;
        if (!chunk->Bytes().empty()) chunks.emplace_back(kind.tag, std::move(chunk));
        return true;
    };
    for (const ExtChunkKind& kind : ExtChunkKinds()) {
        bool made = true;
        if (kind.count) {
            const size_t count = kind.count(doc);
            for (size_t i = 0; made && i < count; ++i)
                made = make(kind, [&](owstream& chunk) { kind.writeEach(chunk, doc, i); });
        } else if (kind.perTurn) {
            made = make(kind, [&](owstream& chunk) { WritePerTurn(chunk, doc, *kind.perTurn); });
        } else {
            made = make(kind, [&](owstream& chunk) { kind.write(chunk, doc); });
        }
        if (!made) return;
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

void ReadExtArea(const KeptBytes& area, VexlorDoc& doc, ExtReading reading,
                 const ExtPartRead& partRead) {
    DocExtras& extras = doc.Extras();
    if (area.size == 0) return; // a version-1 file: nothing follows the document
    if (area.size < sizeof kMagic || std::memcmp(area.data, kMagic, sizeof kMagic) != 0) {
        KeepDamaged(kDamagedTag, area, extras);
        return;
    }
    ByteReader in(area);
    in.Skip(sizeof kMagic);
    for (;;) {
        Tag tag;
        uint32_t length = 0;
        const size_t at = in.Offset();
        std::memcpy(tag.data(), in.At(), std::min(tag.size(), in.Left()));
        if (!in.Skip(tag.size()) || !in.U32(length) || in.Left() < length) {
            KeepDamaged(kDamagedTag, area.Part(at, area.size - at), extras);
            return;
        }
        const KeptBytes bytes = area.Part(in.Offset(), length);
        in.Skip(length);
        if (tag == kEndTag) return;
        ReadChunk(tag, bytes, doc, reading, partRead);
    }
}
