#include "model/levelwidthschunk.h"

#include "base/wio.h"
#include "model/recordio.h"
#include "model/vexlordoc.h"

void WriteLevelWidthsChunk(owstream& os, const VexlorDoc& doc) {
    const LevelWidths& widths = doc.Extras().levelWidths;
    if (widths.IsEmpty()) return;
    WriteU16(os, static_cast<uint16_t>(widths.All().size()));
    for (auto [level, width] : widths.All()) {
        WriteU8(os, static_cast<uint8_t>(level));
        WriteU16(os, static_cast<uint16_t>(width));
    }
}

bool ReadLevelWidthsChunk(const KeptBytes& chunk, VexlorDoc& doc) {
    ByteReader in(chunk);
    uint16_t count = 0;
    if (!in.U16(count)) return false;
    LevelWidths read;
    for (uint16_t i = 0; i < count; ++i) {
        uint8_t level = 0;
        uint16_t width = 0;
        if (!in.U8(level) || !in.U16(width) || !read.Learn(level, width)) return false;
    }
    // Widths learned before (from reports added to a fresh document) stay as they are.
    LevelWidths& widths = doc.Extras().levelWidths;
    for (auto [level, width] : read.All())
        widths.Learn(level, width);
    return true;
}
