#pragma once

#include "model/extchunks.h"

class iwstream;
class owstream;
class VexlorDoc;
struct KeptBytes;

// The chunk of each turn's paragraphs of errors, battles and events.
void WriteTurnEventsChunk(owstream& os, const VexlorDoc& doc);
bool ReadTurnEventsChunk(iwstream& is, VexlorDoc& doc);
bool KeepTurnEventsChunk(const KeptBytes& chunk, VexlorDoc& doc, const ExtPartRead& partRead);
