#include "model/referenceschunk.h"

#include "model/records.h"
#include "model/vexlordoc.h"

void WriteReferencesChunk(owstream& os, const VexlorDoc& doc) {
    const References& refs = doc.Extras().references;
    if (refs.IsEmpty()) return;
    ByteWriter out(os);
    DocRecords::References(out, refs);
}

bool ReadReferencesChunk(const KeptBytes& chunk, VexlorDoc& doc) {
    ByteReader in(chunk);
    References read;
    if (!DocRecords::References(in, read)) return false;
    // Learned one by one, so that what reports added to a fresh document taught stays where
    // it is newer, and the order is this program's whatever the file's.
    for (const Reference& entry : read.All())
        doc.Extras().references.Learn(entry);
    return true;
}
