#pragma once

#include "model/keptbytes.h"
#include "model/turnextras.h"

#include <array>
#include <cstddef>
#include <vector>

class owstream;
struct PartShape;
struct TurnPartKind;

// What a turn kept beyond its records (model/turnextras.h), held by the turn (TurnNode::extras).
// Read from a file, it stays as the turn's parts of the per-turn chunks (model/turnchunk.h), the
// file's bytes, until something asks for it; never asked for or only looked at, it is written
// back as those bytes. Once changed it is written from its objects.
//
// Looking it up reads it into a cache inside the const object: share a document between
// threads only with a lock.
class KeptTurnExtras {
public:
    // regions, units, events, wage decimals, faction page, unit flag words
    static constexpr size_t kParts = 6;

    // The extras, read from the kept bytes the first time; null when nothing was kept.
    const TurnExtras* Find() const;
    // The same for one look: parts not read yet are read into scratch and stay as they were,
    // so that a walk over every turn holds the extras of one turn at a time.
    const TurnExtras* FindOnce(TurnExtras& scratch) const;
    // The same for a look at the wages alone: only the wage decimals part is read into scratch
    // when nothing was read yet, so that a look at one hex in every turn reads little.
    const TurnExtras* WagesOnce(TurnExtras& scratch) const;
    // The extras to change (made empty when there are none yet); from now on they are written.
    TurnExtras& Change();
    // The hexes whose region block named a gate, in coordinate order. Worked out from the
    // regions part alone and remembered, without keeping the extras read: the map marks gates
    // on every turn it shows, and holding every turn's extras for that would cost the memory
    // that keeping them as bytes saves.
    const std::vector<AtlCoord>& GateHexes() const;
    // The faction page alone, read from its part without keeping the extras read: the list of
    // factions looks at the declared attitudes of every turn. Empty when none was kept.
    FactionPage FactionPageOnce() const;
    // True while nothing of it has been read into objects.
    bool IsKept() const { return !changed_ && !read_; }

    // Keeps the turn's part of a chunk as read. A second part of one kind (or one that writing
    // would not give back as it is) is read into the objects at once, as reading the whole
    // chunk would.
    void Keep(const TurnPartKind& kind, KeptBytes bytes, const PartShape& shape);
    // Whether the turn has something of the kind for its chunk, and its part of the chunk.
    bool Has(const TurnPartKind& kind) const;
    void Write(owstream& os, const TurnPartKind& kind) const;

private:
    struct Part {
        const TurnPartKind* kind = nullptr; // null: the file held no part of this kind
        KeptBytes bytes;
        bool empty = true;
    };

    std::array<Part, kParts> parts_; // as read; dropped once the extras are changed
    bool changed_ = false;           // extras_ are what is written
    mutable bool read_ = false;      // extras_ hold what the parts say
    mutable TurnExtras extras_;
    mutable std::vector<AtlCoord> gates_;
    mutable bool gatesKnown_ = false; // gates_ hold what the kept parts say
};
