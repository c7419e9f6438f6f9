#include "model/keptturns.h"

#include "model/recordio.h"
#include "model/turnchunk.h"

namespace {

void Decode(const KeptBytes& bytes, const TurnPartKind& kind, TurnExtras& extras) {
    ByteReader in(bytes);
    kind.read(in, extras);
}

} // namespace

const TurnExtras* KeptTurnExtras::Find() const {
    const TurnExtras* found = FindOnce(extras_);
    if (found) read_ = true;
    return found;
}

const TurnExtras* KeptTurnExtras::FindOnce(TurnExtras& scratch) const {
    if (changed_ || read_) return &extras_;
    bool kept = false;
    for (const Part& part : parts_)
        kept |= part.kind != nullptr;
    if (!kept) return nullptr;
    for (const Part& part : parts_)
        if (part.kind) Decode(part.bytes, *part.kind, scratch);
    return &scratch;
}

const TurnExtras* KeptTurnExtras::WagesOnce(TurnExtras& scratch) const {
    if (changed_ || read_) return &extras_;
    const Part& part = parts_[static_cast<size_t>(kWagesPart.slot)];
    if (!part.kind) return nullptr;
    Decode(part.bytes, *part.kind, scratch);
    return &scratch;
}

const std::vector<AtlCoord>& KeptTurnExtras::GateHexes() const {
    if (gatesKnown_ && !changed_ && !read_) return gates_;
    TurnExtras scratch;
    const TurnExtras* extras = &extras_;
    if (!changed_ && !read_) {
        const Part& part = parts_[static_cast<size_t>(kRegionsPart.slot)];
        if (part.kind) Decode(part.bytes, *part.kind, scratch);
        extras = &scratch;
        gatesKnown_ = true;
    }
    gates_.clear();
    for (const auto& [coord, region] : extras->Regions())
        if (region.gate != 0) gates_.push_back(coord);
    return gates_;
}

FactionPage KeptTurnExtras::FactionPageOnce() const {
    if (changed_ || read_) return extras_.faction;
    TurnExtras scratch;
    const Part& part = parts_[static_cast<size_t>(kFactionPart.slot)];
    if (part.kind) Decode(part.bytes, *part.kind, scratch);
    return std::move(scratch.faction);
}

TurnExtras& KeptTurnExtras::Change() {
    Find();
    parts_ = {};
    changed_ = true;
    return extras_;
}

bool KeptTurnExtras::Has(const TurnPartKind& kind) const {
    if (changed_) return kind.has(extras_);
    const Part& part = parts_[static_cast<size_t>(kind.slot)];
    return part.kind && !part.empty;
}

void KeptTurnExtras::Keep(const TurnPartKind& kind, KeptBytes bytes, const PartShape& shape) {
    Part& part = parts_[static_cast<size_t>(kind.slot)];
    gatesKnown_ = false;
    if (changed_ || part.kind || !shape.normal) {
        // Merged into the objects, as the whole-chunk reader applies one part after another.
        Decode(bytes, kind, Change());
        return;
    }
    part = {&kind, std::move(bytes), shape.empty};
    if (read_) Decode(part.bytes, kind, extras_);
}

void KeptTurnExtras::Write(owstream& os, const TurnPartKind& kind) const {
    if (changed_) {
        kind.write(os, extras_);
    } else {
        ByteWriter out(os);
        out.Raw(parts_[static_cast<size_t>(kind.slot)].bytes);
    }
}
