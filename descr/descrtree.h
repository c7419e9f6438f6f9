#pragma once

#include "descr/descrnode.h"
#include "model/atlcoord.h"
#include "tree/descroptions.h"

#include <memory>

class AtlMap;
class VexlorDoc;

// Builds the description of the hex at c (c.z is the plain on show) from the hex map, the
// document and the options: the tree the description pane shows, with headings open as the
// options say. Null when there is nothing to describe (no turn in the document, no record at
// c): the pane then keeps what it shows.
//
// Lines whose number no report gave ("Peasants: ", "Taxes: $", "Entertainment: $",
// "Wages: $") are left out rather than shown as -1, and so is " (Max: $...)" alone. The
// player's units are listed under "Your units" where the map marks them (FormatMap); the
// headings of units and buildings name the month of a sighting older than the map's.
// Where the map holds allies, a sighting of an ally's says so ("Seen by Blue Herons (4),
// March, Year 3"), the units of the allies' factions are listed under "Allied units:", and
// each unit once, as its owner's report gives it where one of the sightings is that
// (AtlHexData::SameMonth, HexUnits).
std::unique_ptr<DescrTVRoot> BuildDescrTree(const VexlorDoc& doc, const AtlMap& map,
                                            const AtlCoord& c, const DescrOptions& options);
