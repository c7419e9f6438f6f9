#pragma once

#include "model/extchunks.h"

class ByteReader;
class ByteSkim;
class CountCheck;
class VexlorDoc;
class TurnExtras;
class owstream;
struct KeptBytes;

// The frame the chunks of per-turn data share: the number of turns, then for each turn its
// date and its part of the chunk. Each turn keeps its part as the chunk's bytes and reads it
// into objects only when it is asked for (model/keptturns.h), so opening a long game does not
// build every turn it holds.

// What one turn's part is like, learned by skimming its bytes.
struct PartShape {
    bool empty = true;  // it holds nothing, so a writer leaves the turn out of the chunk
    bool normal = true; // writing what it reads gives these very bytes back
};

// One kind of per-turn part. Its fields are described once, in model/records.h; these are
// that walk over the three channels.
struct TurnPartKind {
    int slot; // its place among a turn's kept parts (KeptTurnExtras::kParts)
    // Steps over one turn's part: false exactly where reading refuses it.
    bool (*skim)(ByteSkim& bytes);
    // Reads one turn's part into extras: a map takes each key it holds, a list is replaced.
    bool (*read)(ByteReader& bytes, TurnExtras& extras);
    void (*write)(owstream& os, const TurnExtras& extras);
    bool (*has)(const TurnExtras& extras);
    // Whether every count of extras' part fits its field, so that it reads back as written.
    bool (*fits)(CountCheck& check, const TurnExtras& extras);
};

extern const TurnPartKind kRegionsPart;   // exits, gate and weather per location
extern const TurnPartKind kUnitsPart;     // the own units' details per unit number
extern const TurnPartKind kEventsPart;    // errors, battles and events
extern const TurnPartKind kWagesPart;     // the decimals of the wages per location
extern const TurnPartKind kFactionPart;   // the faction's status, attitudes and silver
extern const TurnPartKind kUnitFlagsPart; // the own units' flag words the records cannot say

// Writes every turn that has something of the kind, in the document's order, kept bytes as
// they were read; nothing at all when no turn has, so that the chunk is left out.
void WritePerTurn(owstream& os, const VexlorDoc& doc, const TurnPartKind& kind);

// Hands each turn's part of the chunk, as its bytes, to the turn of its date (a date the
// document has no turn for is dropped). False, with the document unchanged, for a chunk ReadPerTurn
// refuses. partRead, when given, is told after each turn's part.
bool KeepPerTurn(const KeptBytes& chunk, VexlorDoc& doc, const TurnPartKind& kind,
                 const ExtPartRead& partRead = {});

// Reads the whole chunk into objects at once: only when every turn's part reads does it read
// each into the turn of its date, one after another.
bool ReadPerTurn(const KeptBytes& chunk, VexlorDoc& doc, const TurnPartKind& kind);
