#pragma once

#include "model/extchunks.h"

class iwstream;
class owstream;
class VexlorDoc;
struct KeptBytes;

// The chunk of each turn's own units: weight, capacity, skills, combat spell and what they
// can study, per unit number.
void WriteUnitExtrasChunk(owstream& os, const VexlorDoc& doc);
bool ReadUnitExtrasChunk(iwstream& is, VexlorDoc& doc);
bool KeepUnitExtrasChunk(const KeptBytes& chunk, VexlorDoc& doc, const ExtPartRead& partRead);
