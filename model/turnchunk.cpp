#include "model/turnchunk.h"

#include "base/wio.h"
#include "model/records.h"
#include "model/vexlordoc.h"

#include <vector>

namespace {

// The part's walk (a DocRecords member) over each channel.
template <class Walk> constexpr TurnPartKind PartKind(int slot, bool (*has)(const TurnExtras&)) {
    return {slot,
            [](ByteSkim& bytes) {
                TurnExtras scratch; // the skim makes nothing in it
                return Walk{}(bytes, scratch);
            },
            [](ByteReader& bytes, TurnExtras& extras) { return Walk{}(bytes, extras); },
            [](owstream& os, const TurnExtras& extras) {
                ByteWriter out(os);
                Walk{}(out, extras);
            },
            has,
            [](CountCheck& check, const TurnExtras& extras) { return Walk{}(check, extras); }};
}

struct RegionsWalk {
    template <class W, class R> bool operator()(W& w, R& r) const {
        return DocRecords::Regions(w, r);
    }
};
struct UnitsWalk {
    template <class W, class R> bool operator()(W& w, R& r) const {
        return DocRecords::Units(w, r);
    }
};
struct UnitFlagsWalk {
    template <class W, class R> bool operator()(W& w, R& r) const {
        return DocRecords::UnitFlags(w, r);
    }
};
struct WagesWalk {
    template <class W, class R> bool operator()(W& w, R& r) const {
        return DocRecords::WageDecimals(w, r);
    }
};
struct EventsWalk {
    template <class W, class R> bool operator()(W& w, R& r) const {
        return DocRecords::Events(w, r);
    }
};

struct FactionWalk {
    template <class W, class R> bool operator()(W& w, R& r) const {
        return DocRecords::FactionPage(w, r);
    }
};

struct PartAt {
    AtlDate date;
    size_t from, to;
    PartShape shape;
};

// Walks the frame, each turn's part through part(in): false where a part or the frame is cut
// short. Bytes after the last turn are for a later program.
template <class In, class Part>
bool WalkFrame(In& in, std::vector<PartAt>& parts, Part part, const ExtPartRead& partRead = {}) {
    uint32_t count = 0;
    if (!in.U32(count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        PartAt at;
        if (!DocRecords::Date(in, at.date)) return false;
        at.from = in.Offset();
        if (!part(in, at.shape)) return false;
        at.to = in.Offset();
        parts.push_back(at);
        if (partRead) partRead();
    }
    return true;
}

} // namespace

const TurnPartKind kRegionsPart =
    PartKind<RegionsWalk>(0, [](const TurnExtras& extras) { return !extras.Regions().empty(); });
const TurnPartKind kUnitsPart =
    PartKind<UnitsWalk>(1, [](const TurnExtras& extras) { return !extras.Units().empty(); });
const TurnPartKind kEventsPart =
    PartKind<EventsWalk>(2, [](const TurnExtras& extras) { return !extras.events.IsEmpty(); });
const TurnPartKind kWagesPart = PartKind<WagesWalk>(
    3, [](const TurnExtras& extras) { return !extras.AllWageDecimals().empty(); });
const TurnPartKind kFactionPart =
    PartKind<FactionWalk>(4, [](const TurnExtras& extras) { return !extras.faction.IsEmpty(); });
const TurnPartKind kUnitFlagsPart = PartKind<UnitFlagsWalk>(
    5, [](const TurnExtras& extras) { return !extras.AllUnitFlags().empty(); });

void WritePerTurn(owstream& os, const VexlorDoc& doc, const TurnPartKind& kind) {
    uint32_t count = 0;
    for (const TurnNode& turn : doc.Turns())
        count += turn.extras.Has(kind) ? 1 : 0;
    if (count == 0) return;
    WriteU32(os, count);
    ByteWriter out(os);
    for (const TurnNode& turn : doc.Turns()) {
        if (!turn.extras.Has(kind)) continue;
        DocRecords::Date(out, turn.date);
        turn.extras.Write(os, kind);
    }
}

bool KeepPerTurn(const KeptBytes& chunk, VexlorDoc& doc, const TurnPartKind& kind,
                 const ExtPartRead& partRead) {
    ByteSkim in(chunk.data, chunk.size);
    std::vector<PartAt> parts;
    auto skim = [&](ByteSkim& bytes, PartShape& shape) {
        bytes.normal = true;
        bytes.elements = 0;
        if (!kind.skim(bytes)) return false;
        shape = {bytes.elements == 0, bytes.normal};
        return true;
    };
    if (!WalkFrame(in, parts, skim, partRead)) return false;
    for (const PartAt& part : parts)
        if (TurnNode* turn = doc.FindTurn(part.date))
            turn->extras.Keep(kind, chunk.Part(part.from, part.to - part.from), part.shape);
    return true;
}

bool ReadPerTurn(const KeptBytes& chunk, VexlorDoc& doc, const TurnPartKind& kind) {
    ByteReader in(chunk);
    std::vector<PartAt> parts;
    auto read = [&](ByteReader& bytes, PartShape&) {
        TurnExtras scratch;
        return kind.read(bytes, scratch);
    };
    if (!WalkFrame(in, parts, read)) return false;
    for (const PartAt& part : parts) {
        TurnNode* turn = doc.FindTurn(part.date);
        if (!turn) continue;
        ByteReader bytes(chunk.Part(part.from, part.to - part.from));
        kind.read(bytes, turn->extras.Change());
    }
    return true;
}
