#pragma once

#include "base/pixelrect.h"
#include "gfx/grafcolor.h"

class GrafView;
class ShadeMap;
struct HexMetrics;
struct ShadeRow;

// The colours of a shaded map and its legend, for the map window and vexlor-cli render alike.

// The colour of a class: the scale runs from pale yellow (low, this month) to dark red (high,
// long ago); weather and factions have colours of their own, the player's faction gold as
// its marker.
GrafColor ShadeColour(const ShadeRow& row);
// under with the tint of row laid over it, as TintHex lays it over a hex.
GrafColor TintedColour(GrafColor under, const ShadeRow& row);

// How much of the tint covers the terrain picture (of 255): enough to read the class, little
// enough to tell the terrain.
constexpr int kShadeAlpha = 140;

// Lays the class's tint over the hex picture whose corner is at corner.
void TintHex(GrafView& view, const HexMetrics& metrics, PixelPoint corner, const ShadeRow& row);

// The legend: the heading, then a swatch and the words of each class, on a pale box.
PixelPoint ShadeLegendSize(GrafView& view, const ShadeMap& shade);
void DrawShadeLegend(GrafView& view, const ShadeMap& shade, PixelPoint topLeft);
// Where the legend stands in a window's area: its bottom-left corner, a little in.
PixelRect ShadeLegendBox(GrafView& view, const ShadeMap& shade, const PixelRect& area);
