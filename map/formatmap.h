#pragma once

#include "map/hexdata.h"
#include "model/atldate.h"

class AtlMap;
class VexlorDoc;

// Whose units are the player's and whose the allies' in doc.
UnitOwners OwnersOf(const VexlorDoc& doc);

// Rebuilds the whole map for the turn on show (the document's own reformat step; it lives
// here because the model knows nothing of the map). Turns later than date are skipped. A hex
// shows the newest full sighting not later than date, by the player or an ally, the player's
// own leading within a month (the allies' of that month kept beside it: AtlHexData::SameMonth);
// a partial sighting (from a neighbour's exit list) fills a hex only while nothing else is
// known of it, and a full sighting replaces it even when older. HexGuarded stays set once any
// sighting taken had a guard. Every level is kept, with the widths the document and its allies
// learned (VexlorDoc::KnownWidths). The selection is gone afterwards. Hexes with
// units are marked (MarkUnits) for date, and hexes whose sighting is older than date are marked
// HexEarlier. With NewestKnown, an earlier sighting that is the newest one of any of the
// player's units among the hexes on show is marked as holding own units too. The hexes refer
// to doc's locations: call it again whenever doc's turns change.
void FormatMap(const VexlorDoc& doc, AtlMap& map, AtlDate date,
               OwnUnitPlaces places = OwnUnitPlaces::ThisMonth);
