#pragma once

#include "model/atlcoord.h"
#include "model/atldate.h"

class VexlorDoc;

// Where the map is scrolled to when a document comes up, so that it opens on the faction
// rather than on an empty corner of the world: in the newest turn not later than date, the
// first region where one of the document's own units stands, else its first region seen in
// full. False when that turn has neither.
bool HomeHex(const VexlorDoc& doc, AtlDate date, AtlCoord& home);
