#pragma once

#include "model/extchunks.h"

class iwstream;
class owstream;
class VexlorDoc;
struct KeptBytes;

// The chunk of each turn's region blocks: exits, gate and weather per location.
void WriteRegionExtrasChunk(owstream& os, const VexlorDoc& doc);
bool ReadRegionExtrasChunk(iwstream& is, VexlorDoc& doc);
bool KeepRegionExtrasChunk(const KeptBytes& chunk, VexlorDoc& doc, const ExtPartRead& partRead);
