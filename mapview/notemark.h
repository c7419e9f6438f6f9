#pragma once

#include "base/pixelrect.h"

class GrafView;
struct HexMetrics;
struct HexNote;

// The marks of the player's note and bookmark on a hex picture with its top-left corner at
// corner: a small sheet of paper with lines at the upper right for a note, a red ribbon at the
// left for a bookmark. Drawn with boxes and lines at the zoom of metrics, never below half
// their size, so that they stay readable when the hexes are small.
void DrawNoteMark(GrafView& view, PixelPoint corner, const HexMetrics& metrics,
                  const HexNote& note);
