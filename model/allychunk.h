#pragma once

#include <cstddef>

class owstream;
class VexlorDoc;
struct KeptBytes;

// The chunks "ALLY" of the extension area: one for each ally's map (DocExtras::allies), so that
// a damaged one is refused and kept alone while the others and the player's own map read. Its
// fields: the header (DocRecords::AllyHeader: the faction, its name, the file last taken from,
// the image's size), then the ally's document as a whole file image (model/docfile.h), written
// and read by the document's own writer and reader: its turns keep their exits, unit details
// and wage decimals, and stay as bytes until asked for. Bytes after the image are for a later
// program.
size_t CountAllyChunks(const VexlorDoc& doc);
void WriteAllyChunk(owstream& os, const VexlorDoc& doc, size_t index);
// Refuses a chunk whose faction is 0, the document's own or one held already, and one whose
// image does not read whole (its extension area included) as a map of that faction. An ally's
// map never holds allies of its own: any it names are left out.
bool ReadAllyChunk(const KeptBytes& chunk, VexlorDoc& doc);
