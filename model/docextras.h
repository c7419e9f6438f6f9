#pragma once

#include "model/allies.h"
#include "model/hexnotes.h"
#include "model/levelwidths.h"
#include "model/references.h"

#include <array>
#include <vector>

// A chunk of the extension area that this program does not know or could not read, kept as it
// was read so that the next save writes it back.
struct KeptChunk {
    std::array<char, 4> tag;
    std::vector<unsigned char> bytes;
};

// What the document holds beyond the version-1 records, apart from what each turn holds itself
// (TurnNode::extras); stored in the extension area after the document (model/extarea.h). Each
// kind of data has its own member and its own chunk.
struct DocExtras {
    LevelWidths levelWidths;
    References references; // what the reports' skill, item and object reports taught
    AllyMaps allies;
    HexNotes notes;
    std::vector<KeptChunk> keptChunks;
    // The last read found the area damaged: what could be read is here, the rest is kept in
    // keptChunks as it was (model/extarea.h).
    bool damaged = false;
};
