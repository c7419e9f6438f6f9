#pragma once

#include "base/pixelrect.h"

class HexGeometry;
class ScrollData;

// Zooming the map view: the arithmetic of the zoom steps, no drawing.

// Scrolls for a change of zoom from `from` to `to` (the same world) so that the hex under
// window point p stays under it, as near as the scroll range allows; sets scroll up again
// for the client area and the map's extents.
void ZoomAround(ScrollData& scroll, const HexGeometry& from, const HexGeometry& to, PixelPoint p,
                int clientWidth, int clientHeight, int xExtent, int yExtent);

// The largest zoom step at which columns x rows hexes fit whole in the client area; the
// smallest step when none does.
int WholeLevelStep(int columns, int rows, int clientWidth, int clientHeight);

// The zoom step of a percentage kept in the profile; actual size for one no step has.
int ZoomStepOfPercent(int percent);
