#include "model/levelwidthschunk.h"

#include "base/wio.h"
#include "base/wstream.h"
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

bool ReadLevelWidthsChunk(iwstream& is, VexlorDoc& doc) {
    uint16_t count = 0;
    if (!ReadU16(is, count)) return false;
    LevelWidths read;
    for (uint16_t i = 0; i < count; ++i) {
        uint8_t level = 0;
        uint16_t width = 0;
        if (!ReadU8(is, level) || !ReadU16(is, width) || !read.Learn(level, width)) return false;
    }
    // Widths learned before (from reports added to a fresh document) stay as they are.
    LevelWidths& widths = doc.Extras().levelWidths;
    for (auto [level, width] : read.All())
        widths.Learn(level, width);
    return true;
}
