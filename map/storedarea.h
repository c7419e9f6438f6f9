#pragma once

#include "model/atlcoord.h"

class AtlPlain;

// The window-sized piece of a plain that shows each of its stored hexes exactly once: where to
// scroll to, how many columns and rows, and the wrap to draw it with. For pictures of a whole
// plain (vexlor-cli render).
struct HexArea {
    int column = 0; // first x shown
    int row = 0;    // first y shown
    int columns = 1;
    int rows = 1;
    int wrapWidth = 0;

    int PixelWidth() const;
    int PixelHeight() const;
};

// The columns run from the first stored column after the widest empty stretch of the
// world, so that land lying across the wrap shows in one piece; rows from the first to the
// last stored row. Hexes beyond the wrap width can only be shown in a world without wrap,
// which the area then asks for. A plain with nothing stored gives one hex at (0, 0).
HexArea StoredArea(const AtlPlain& plain, int wrapWidth);

// The hex in the middle of the area: where a level first opens and Whole level centres, so
// that what is known shows rather than an empty stretch of the world.
AtlCoord AreaCentre(const HexArea& area);
