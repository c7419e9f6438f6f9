#include "model/keptturns.h"

#include "base/wio.h"
#include "model/records.h"
#include "model/turnchunk.h"

namespace {

void Decode(const KeptBytes& bytes, const TurnPartKind& kind, TurnExtras& extras) {
    ByteReader in(bytes);
    kind.read(in, extras);
}

} // namespace

const TurnExtras& KeptTurns::Turn::Read() const {
    if (!changed && !read) {
        for (const Part& part : parts)
            if (part.kind) Decode(part.bytes, *part.kind, extras);
        read = true;
    }
    return extras;
}

TurnExtras& KeptTurns::Turn::Change() {
    Read();
    parts = {};
    changed = true;
    return extras;
}

bool KeptTurns::Turn::Has(const TurnPartKind& kind) const {
    if (changed) return kind.has(extras);
    const Part& part = parts[static_cast<size_t>(kind.slot)];
    return part.kind && !part.empty;
}

const TurnExtras* KeptTurns::Find(AtlDate date) const {
    auto it = turns_.find(date);
    return it == turns_.end() ? nullptr : &it->second.Read();
}

TurnExtras& KeptTurns::operator[](AtlDate date) {
    return turns_[date].Change();
}

void KeptTurns::Keep(AtlDate date, const TurnPartKind& kind, KeptBytes bytes,
                     const PartShape& shape) {
    Turn& turn = turns_[date];
    Part& part = turn.parts[static_cast<size_t>(kind.slot)];
    if (turn.changed || part.kind || !shape.normal) {
        // Merged into the objects, as the whole-chunk reader applies one part after another.
        Decode(bytes, kind, turn.Change());
        return;
    }
    part = {&kind, std::move(bytes), shape.empty};
    if (turn.read) Decode(part.bytes, kind, turn.extras);
}

void KeptTurns::WritePart(owstream& os, const TurnPartKind& kind) const {
    uint32_t count = 0;
    for (const auto& [date, turn] : turns_)
        count += turn.Has(kind) ? 1 : 0;
    if (count == 0) return;
    WriteU32(os, count);
    ByteWriter out(os);
    for (const auto& [date, turn] : turns_) {
        if (!turn.Has(kind)) continue;
        DocRecords::Date(out, date);
        if (turn.changed) {
            kind.write(os, turn.extras);
        } else {
            out.Raw(turn.parts[static_cast<size_t>(kind.slot)].bytes);
        }
    }
}
