#pragma once

#include <string_view>

class OffscreenBuffer;

// The pictures of the help page's legend, drawn by the map's own painter at actual size, one
// hex each: "unknown", "partial", "guard", "own", "other", "town", "selected", "background",
// "note", "bookmark", the region's objects on a plain ("gate", "shaft", "lair", "ship", "tower",
// "building", "road"), or else a terrain by the report's word for it ("ocean", "lake", "nexus",
// ...; a word no picture knows shows as the unknown hex, as on the map). The page names them as
// images "legend:NAME". False when the buffer cannot be made.
bool PaintLegendPicture(std::string_view name, OffscreenBuffer& picture);
