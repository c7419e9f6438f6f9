#pragma once

#include "base/pixelrect.h"
#include "model/atlcoord.h"

#include <vector>

class ScrollData;

// One hex position to paint: the hex it shows (x already brought into the world) and the
// top-left corner of its picture in the window.
struct HexPlace {
    AtlCoord hex;
    PixelPoint corner;
};

// Where hexes lie on screen: flat-topped hex pictures 50 x 42, columns 37 pixels apart, every
// column shifted half a hex from its neighbours, and a world that repeats east to west every
// wrapWidth columns. Pixel to hex, hex to pixel and the walk over a window area; no drawing.
class HexGeometry {
public:
    static constexpr int kHexWidth = 50;
    static constexpr int kHexHeight = 42;
    static constexpr int kTopEdge = 24; // the flat top and bottom edges
    static constexpr int kHalfWidth = 25;
    static constexpr int kHalfHeight = 21;
    static constexpr int kHalfTopEdge = 12;
    static constexpr int kColumnStep = kHalfWidth + kHalfTopEdge; // 37
    static constexpr int kRowStep = kHalfHeight;                  // 21
    static constexpr int kWrapWidth = 64;
    // The extra pixels around a hex picture that a redraw of the hex covers.
    static constexpr int kRedrawMargin = 2;

    // The outline relative to the picture's corner: left point, then clockwise. Edge i runs
    // from corner i to corner i + 1 and faces kEdgeDirections[i].
    static constexpr PixelPoint kOutline[6] = {{0, 21},  {13, 0},  {37, 0},
                                               {50, 21}, {37, 42}, {13, 42}};
    static constexpr AtlDirection::Type kEdgeDirections[6] = {
        AtlDirection::Northwest, AtlDirection::North, AtlDirection::Northeast,
        AtlDirection::Southeast, AtlDirection::South, AtlDirection::Southwest};

    // wrapWidth 0 is a world without wrap.
    explicit HexGeometry(int wrapWidth = kWrapWidth) : wrapWidth_(wrapWidth < 0 ? 0 : wrapWidth) {}

    int WrapWidth() const { return wrapWidth_; }
    // x brought into 0 .. wrapWidth - 1 when the world wraps; as it is otherwise.
    int WrapX(int x) const { return wrapWidth_ != 0 ? Modulo(x, wrapWidth_) : x; }

    // The corner of the picture of view column x, row y (x not wrapped).
    static PixelPoint HexCorner(int x, int y, const ScrollData& scroll);

    // The hex under window pixel p on plain z. Columns part in the middle of the slanted edges;
    // a point left or right of the world wraps round it, or without wrap is pulled to the
    // first or last of the xExtent columns. The first row of an odd column is y = 1.
    AtlCoord ViewCoord2HexCoord(PixelPoint p, const ScrollData& scroll, int z, int xExtent) const;

    // The corners of every copy of hex c that may show in the window (one without wrap), for
    // redrawing it.
    std::vector<PixelPoint> HexCorners(const AtlCoord& c, const ScrollData& scroll) const;
    // The area to redraw for a hex picture at corner.
    static PixelRect RedrawRect(PixelPoint corner);

    // Every hex position of plain z whose picture meets clip, row by row from the top and left
    // to right within a row. Positions above the first row, and left of the first column
    // without wrap, lie outside the world and are left out.
    std::vector<HexPlace> PlacesIn(const PixelRect& clip, const ScrollData& scroll, int z) const;

    // The hex one step from c in direction d, its x brought into the world; c itself where
    // the step would leave the world: north of the first row, south of row yExtent - 1, and
    // without wrap west of column 0 or east of column xExtent - 1.
    AtlCoord Step(const AtlCoord& c, AtlDirection::Type d, int xExtent, int yExtent) const;

    // a mod b in 0 .. b - 1 for b > 0, whatever the sign of a.
    static int Modulo(int a, int b) { return ((a % b) + b) % b; }
    // a / b rounded down, for b > 0.
    static int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

private:
    int wrapWidth_;
};
