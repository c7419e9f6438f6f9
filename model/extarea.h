#pragma once

#include "model/extchunks.h"

#include <cstddef>

class owstream;
class VexlorDoc;
struct KeptBytes;

// The extension area: what the document holds beyond the version-1 records, written after
// the last byte of the version-1 document, where a reader of version 1 never looks (it reads
// the records it knows and stops; nothing checks for the end of the file).
//
// Layout: the 8 magic bytes "VexlorX" 0x1A, then chunks, each a four-letter tag, a uint32
// little-endian length and that many bytes, then the end chunk "END " of length 0. The kinds
// of chunk and their readers and writers are listed in model/extchunks.cpp.
constexpr size_t kExtMagicSize = 8;

// Writes the area for doc's extras; writes nothing at all when no chunk has anything to
// hold, so that such a document is a version-1 file byte for byte.
void WriteExtArea(owstream& os, const VexlorDoc& doc);

// How the per-turn chunks are read: each turn's part kept as the file's bytes and read when
// the turn is asked for (the program's way), or every turn at once (to compare the two).
enum class ExtReading { WhenAsked, AtOnce };

// Reads the area that may follow the version-1 document, the file's bytes after it, into
// doc's extras; kept parts keep views of the bytes. No bytes at all:
// no area, nothing changes. Unknown chunks are kept for the next save. Damage (a chunk whose
// reader refuses its bytes, which is left out; bytes that are no area; a chunk longer than what
// follows; a missing end) keeps every chunk read completely before it and sets
// extras.damaged; what could not be read is kept for the next save as it was (a refused chunk
// under its tag, bytes that form no chunk under kDamagedTag), for a save that dropped it would
// make the loss final without the player having a say. Never touches the version-1 part of doc.
// Both ways of reading give the same document. partRead, when given, is told as the per-turn chunks
// are walked.
void ReadExtArea(const KeptBytes& area, VexlorDoc& doc, ExtReading reading = ExtReading::WhenAsked,
                 const ExtPartRead& partRead = {});
