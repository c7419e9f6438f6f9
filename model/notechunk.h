#pragma once

class owstream;
class VexlorDoc;
struct KeptBytes;

// The chunk "NOTE" of the extension area: the player's notes and bookmarks (model/hexnotes.h),
// their fields in DocRecords::Notes. Left out while there are none.
void WriteNotesChunk(owstream& os, const VexlorDoc& doc);
bool ReadNotesChunk(const KeptBytes& chunk, VexlorDoc& doc);
