#include "map/unitsources.h"

#include "model/turnextras.h"
#include "model/vexlordoc.h"

#include <algorithm>

const VexlorDoc* SourceDoc(const VexlorDoc& doc, int source) {
    if (source == 0 || source == doc.GetFaction().Number()) return &doc;
    const AllyMap* ally = doc.Extras().allies.Find(source);
    return ally ? ally->doc.get() : nullptr;
}

const TurnExtras* UnitSources::OwnersExtras(const HexUnit& seen) {
    const Source& source = Of(seen.source);
    const int owner = seen.unit->faction.Number();
    return owner != 0 && owner == source.faction ? source.extras : nullptr;
}

const UnitExtras* UnitSources::Details(const HexUnit& seen) {
    const TurnExtras* extras = OwnersExtras(seen);
    return extras ? extras->FindUnit(seen.unit->number) : nullptr;
}

const std::vector<Str>* UnitSources::FlagWords(const HexUnit& seen) {
    const TurnExtras* extras = OwnersExtras(seen);
    return extras ? extras->FindUnitFlags(seen.unit->number) : nullptr;
}

const UnitSources::Source& UnitSources::Of(int source) {
    const int faction = source != 0 ? source : doc_.GetFaction().Number();
    for (const auto& held : sources_)
        if (held->faction == faction) return *held;
    const VexlorDoc* from = SourceDoc(doc_, faction);
    const VexlorDoc& named = from ? *from : doc_;
    const TurnNode* turn = named.FindTurn(seen_);
    if (!turn) turn = named.LastTurn();
    static const StrAssocList kNoNames;
    sources_.push_back(
        std::make_unique<Source>(Source{faction, StrAssocIndex(turn ? turn->factions : kNoNames),
                                        from ? KeptExtras(*from, seen_) : nullptr}));
    return *sources_.back();
}

void ForEachUnitSeenIn(const VexlorDoc& doc, AtlDate date, const UnitSeenVisit& visit) {
    const SightingIndex& index = doc.Sightings();
    std::vector<SightingIndex::Shown> seen;
    index.ForEachSeenAt(date, [&seen](const SightingIndex::Shown& shown) {
        if (!shown.partial) seen.push_back(shown);
    });
    std::sort(seen.begin(), seen.end(),
              [](const auto& a, const auto& b) { return a.coord < b.coord; });
    std::vector<HexSighting> others;
    for (const SightingIndex::Shown& shown : seen) {
        AtlHexData hex(*shown.loc, shown.seen, 0, shown.source);
        others.clear();
        index.ForEachSameMonth(shown, [&others](const LocationNode& loc, int source) {
            others.push_back({&loc, source});
        });
        hex.SetSameMonth(others.empty() ? nullptr : &others);
        for (const HexUnit& unit : HexUnits(hex))
            visit(hex, shown.coord, unit);
    }
}
