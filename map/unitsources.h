#pragma once

#include "base/assoc.h"
#include "map/hexdata.h"
#include "model/atlcoord.h"
#include "model/atldate.h"

#include <functional>
#include <memory>
#include <vector>

class VexlorDoc;
struct TurnExtras;
struct UnitExtras;

// The document whose report a sighting is from: the player's own (also for source 0, not
// known), or the ally's; null for a faction the document does not hold.
const VexlorDoc* SourceDoc(const VexlorDoc& doc, int source);

// Calls visit(hex, coord, unit) for every unit of the hexes seen in date's month, hex by hex in
// map order (level, y, x), each unit once as the map takes it (HexUnits: over every source's
// sighting of the month). Only the month's turns make their locations' objects; a hex known
// only from a neighbour's exits tells no units.
using UnitSeenVisit = std::function<void(const AtlHexData&, const AtlCoord&, const HexUnit&)>;
void ForEachUnitSeenIn(const VexlorDoc& doc, AtlDate date, const UnitSeenVisit& visit);

// What the reports of one month say of the units they saw, source by source, as the pane and
// the units list read them: the faction names each report gave, and the details it kept of
// its own faction's units. Each source is looked up once.
class UnitSources {
public:
    UnitSources(const VexlorDoc& doc, AtlDate seen) : doc_(doc), seen_(seen) {}

    // The faction names of the report of source (0: the player's), its newest report's when
    // the turn of the month is gone.
    const StrAssocIndex& FactionNames(int source) { return Of(source).factions; }
    // The unit's details where the report it is taken from is its owner's; null otherwise.
    const UnitExtras* Details(const HexUnit& seen);
    // The unit line's flag words in report order, where the report it is taken from is its
    // owner's and kept them (the record's flags cannot say them all); null otherwise.
    const std::vector<Str>* FlagWords(const HexUnit& seen);

private:
    struct Source {
        int faction;
        StrAssocIndex factions;
        const TurnExtras* extras;
    };
    const Source& Of(int source);
    // What the report the unit is taken from kept beyond its records, where it is the owner's.
    const TurnExtras* OwnersExtras(const HexUnit& seen);

    const VexlorDoc& doc_;
    AtlDate seen_;
    std::vector<std::unique_ptr<Source>> sources_;
};
