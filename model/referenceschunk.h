#pragma once

class owstream;
class VexlorDoc;
struct KeptBytes;

// The chunk "REFS" of the extension area: the descriptions the reports taught
// (model/references.h), walked by DocRecords::References: uint32 count, then each entry's
// kind, name, abbreviation, level, turn and text.
void WriteReferencesChunk(owstream& os, const VexlorDoc& doc);
bool ReadReferencesChunk(const KeptBytes& chunk, VexlorDoc& doc);
