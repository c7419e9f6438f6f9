#include "map/formatmap.h"

#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/vexlordoc.h"

#include <memory>

void FormatMap(const VexlorDoc& doc, AtlMap& map, AtlDate date) {
    map.Clear();
    map.SetLearnedWidths(doc.Extras().levelWidths);
    map.SetDate(date);
    // The index names the one sighting each hex shows, so each hex is copied once and the
    // cost does not grow with the number of turns.
    doc.Sightings().ForEachAt(date, [&](const SightingIndex::Shown& shown) {
        auto hex = std::make_unique<AtlHexData>();
        hex->hexFlags = (shown.partial ? AtlHexData::HexPartial : 0u) |
                        (shown.guarded ? AtlHexData::HexGuarded : 0u);
        SetHexFromLoc(*hex, *shown.loc, shown.seen);
        MarkUnits(*hex, doc.GetFaction().Number(), date);
        map.SetHex(shown.coord, std::move(hex));
    });
}
