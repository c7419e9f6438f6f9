#include "model/notechunk.h"

#include "model/records.h"
#include "model/vexlordoc.h"

void WriteNotesChunk(owstream& os, const VexlorDoc& doc) {
    const HexNotes& notes = doc.Extras().notes;
    if (notes.IsEmpty()) return;
    ByteWriter out(os);
    DocRecords::Notes(out, notes);
}

bool ReadNotesChunk(const KeptBytes& chunk, VexlorDoc& doc) {
    ByteReader in(chunk);
    HexNotes read;
    if (!DocRecords::Notes(in, read)) return false;
    doc.Extras().notes.Merge(read);
    return true;
}
