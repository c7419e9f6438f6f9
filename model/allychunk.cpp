#include "model/allychunk.h"

#include "base/wstream.h"
#include "model/docfile.h"
#include "model/records.h"
#include "model/vexlordoc.h"

namespace {

struct AllyHeader {
    AtlFaction faction;
    Str name;
    Str file;
    uint32_t imageSize = 0;
};

} // namespace

size_t CountAllyChunks(const VexlorDoc& doc) {
    return doc.Extras().allies.All().size();
}

void WriteAllyChunk(owstream& os, const VexlorDoc& doc, size_t index) {
    const AllyMap& ally = *doc.Extras().allies.All()[index];
    // The image's size goes before it, so it is made whole first.
    omwstream image;
    if (!WriteDocImage(image, *ally.doc)) return os.setstate(image.rdstate());
    const std::vector<unsigned char>& bytes = image.Bytes();
    if (bytes.size() > UINT32_MAX) return os.setstate(wstream::BeyondFormat);
    AllyHeader header{ally.doc->GetFaction(), ally.name, Str(std::string_view(ally.file)),
                      static_cast<uint32_t>(bytes.size())};
    ByteWriter out(os);
    if (!DocRecords::AllyHeader(out, header)) return;
    os.write(bytes.data(), static_cast<long>(bytes.size()));
}

bool ReadAllyChunk(const KeptBytes& chunk, VexlorDoc& doc) {
    ByteReader in(chunk);
    AllyHeader header;
    if (!DocRecords::AllyHeader(in, header) || in.Left() < header.imageSize) return false;
    const int faction = header.faction.Number();
    AllyMaps& allies = doc.Extras().allies;
    if (faction == 0 || faction == doc.GetFaction().Number() || allies.Find(faction)) return false;
    VexlorDoc read;
    if (ReadDocFile(in.Rest().Part(0, header.imageSize), read) != DocRead ||
        read.Extras().damaged || read.GetFaction() != header.faction)
        return false;
    read.Extras().allies.Clear();
    AllyMap& ally = allies.Take(faction);
    *ally.doc = std::move(read);
    ally.name = std::move(header.name);
    ally.file = header.file.Get();
    return true;
}
