#include "map/formatmap.h"

#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/vexlordoc.h"

void FormatMap(const VexlorDoc& doc, AtlMap& map, AtlDate date) {
    map.Clear();
    map.SetLearnedWidths(doc.Extras().levelWidths);
    map.SetDate(date);
    // The index names the one sighting each hex shows, so the cost does not grow with the
    // number of turns.
    doc.Sightings().ForEachAt(date, [&](const SightingIndex::Shown& shown) {
        AtlHexData hex(*shown.loc, shown.seen,
                       (shown.partial ? AtlHexData::HexPartial : 0u) |
                           (shown.guarded ? AtlHexData::HexGuarded : 0u));
        MarkUnits(hex, doc.GetFaction().Number(), date);
        map.SetHex(shown.coord, hex);
    });
}
