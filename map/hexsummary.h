#pragma once

#include "base/str.h"
#include "model/atlcoord.h"

class AtlMap;

// One line about hex c as the map shows it, for the status bar under the mouse:
// "(10,12) surface: jungle in Erisort"; just the coordinates and level where nothing is known.
Str HexSummary(const AtlMap& map, const AtlCoord& c);

// The same, with the town on a second line where there is one ("Town: Verdorf [city]"), for
// the tip shown when the mouse rests on a hex.
Str HexTip(const AtlMap& map, const AtlCoord& c);
