#pragma once

class owstream;
class VexlorDoc;
struct KeptBytes;

// The chunk "LVLW" of the extension area: the level widths learned from the reports.
// uint16 count, then per level uint8 level and uint16 width, in order of level.
void WriteLevelWidthsChunk(owstream& os, const VexlorDoc& doc);
bool ReadLevelWidthsChunk(const KeptBytes& chunk, VexlorDoc& doc);
