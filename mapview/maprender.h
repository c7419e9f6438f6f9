#pragma once

#include "base/pixelrect.h"

class AtlMap;
class HexGeometry;
class OffscreenBuffer;
class ScrollData;
class ShadeMap;

// Paints plain z of map into buffer, made just large enough to show every stored hex once,
// borders and town names whole, as the map view paints it scrolled there (a name reaching
// beyond the first or last column widens the picture by as much). False when the buffer
// cannot be made. With shade, the hexes are tinted by their classes and the legend stands
// right of them, its top level with theirs; the picture grows to hold it.
bool RenderPlain(const AtlMap& map, int z, OffscreenBuffer& buffer,
                 const ShadeMap* shade = nullptr);

// Paints the part box (window pixels) of plain z as a map view at geometry's zoom, scrolled to
// scroll, shows it, into buffer, made box's size: a part of the map exported as it looks.
// False when box is empty or the buffer cannot be made.
bool RenderPart(const AtlMap& map, const HexGeometry& geometry, const ScrollData& scroll, int z,
                const PixelRect& box, OffscreenBuffer& buffer);
