#include "map/formatmap.h"

#include "map/atlmap.h"
#include "map/hexdata.h"
#include "model/vexlordoc.h"

#include <memory>

void FormatMap(const VexlorDoc& doc, AtlMap& map, AtlDate date) {
    map.Clear();
    // The index names the one sighting each hex shows, so each hex is copied once and the
    // cost does not grow with the number of turns.
    doc.Sightings().ForEachAt(date, [&](const SightingIndex::Shown& shown) {
        AtlPlain* plain = map.GetPlain(shown.coord.z);
        if (!plain) return;
        if (plain->CellIndex(shown.coord) < 0) {
            plain->SetHex(shown.coord, nullptr); // not stored; the scroll extent still grows
            return;
        }
        auto hex = std::make_unique<AtlHexData>();
        hex->hexFlags = (shown.partial ? AtlHexData::HexPartial : 0u) |
                        (shown.guarded ? AtlHexData::HexGuarded : 0u);
        SetHexFromLoc(*hex, *shown.loc, shown.seen);
        MarkUnits(*hex, doc.GetFaction().Number(), date);
        plain->SetHex(shown.coord, std::move(hex));
    });
}
