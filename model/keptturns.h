#pragma once

#include "model/atldate.h"
#include "model/keptbytes.h"
#include "model/turnextras.h"

#include <array>
#include <cstddef>
#include <map>

class owstream;
struct PartShape;
struct TurnPartKind;

// What the document kept of each turn beyond its records (model/turnextras.h). A turn read
// from a file stays as its parts of the per-turn chunks (model/turnchunk.h), the file's bytes,
// until something asks for it; a turn never asked for or only looked at is written back as
// those bytes. A turn changed or added is written from its objects.
//
// Looking a turn up reads it into a cache inside the const object: share a document between
// threads only with a lock.
class KeptTurns {
public:
    static constexpr size_t kParts = 3; // regions, units, events

    // The turn's extras, read from its kept bytes the first time; null when nothing was kept
    // for the turn.
    const TurnExtras* Find(AtlDate date) const;
    // The turn's extras to change (made empty when there are none yet); from now on the turn
    // is written from them.
    TurnExtras& operator[](AtlDate date);

    size_t size() const { return turns_.size(); }
    bool empty() const { return turns_.empty(); }

    // Keeps a turn's part of a chunk as read. A second part of one kind for a turn (or one
    // that writing would not give back as it is) is read into the turn's objects at once, as
    // reading the whole chunk would.
    void Keep(AtlDate date, const TurnPartKind& kind, KeptBytes bytes, const PartShape& shape);
    // The turns' parts of the kind in the per-turn frame; nothing when no turn has one.
    void WritePart(owstream& os, const TurnPartKind& kind) const;

private:
    struct Part {
        const TurnPartKind* kind = nullptr; // null: the file held no part of this kind
        KeptBytes bytes;
        bool empty = true;
    };
    struct Turn {
        std::array<Part, kParts> parts; // as read; dropped once the turn is changed
        bool changed = false;           // extras are what is written
        mutable bool read = false;      // extras hold what the parts say
        mutable TurnExtras extras;

        const TurnExtras& Read() const;
        TurnExtras& Change();
        bool Has(const TurnPartKind& kind) const;
    };

    std::map<AtlDate, Turn> turns_;
};
