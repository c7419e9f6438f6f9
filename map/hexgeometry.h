#pragma once

#include "base/pixelrect.h"
#include "model/atlcoord.h"

#include <iterator>
#include <vector>

class ScrollData;

// One hex position to paint: the hex it shows (x already brought into the world) and the
// top-left corner of its picture in the window.
struct HexPlace {
    AtlCoord hex;
    PixelPoint corner;
};

// The size of a flat-topped hex picture at one zoom step, in window pixels: its width and
// height and the length of its flat top and bottom edges. Columns stand (width + topEdge) / 2
// apart and rows height / 2, so that width - topEdge and height are even.
struct HexMetrics {
    int width;
    int height;
    int topEdge;
    int percent; // the zoom it stands for, against the pictures' own size

    constexpr int ColumnStep() const { return (width + topEdge) / 2; }
    constexpr int RowStep() const { return height / 2; }
    // The width of one slanted edge.
    constexpr int Slant() const { return (width - topEdge) / 2; }
    // Corner i of the outline relative to the picture's corner: left point, then clockwise.
    constexpr PixelPoint Outline(int i) const {
        switch (((i % 6) + 6) % 6) {
        case 0:
            return {0, height / 2};
        case 1:
            return {Slant(), 0};
        case 2:
            return {Slant() + topEdge, 0};
        case 3:
            return {width, height / 2};
        case 4:
            return {Slant() + topEdge, height};
        default:
            return {Slant(), height};
        }
    }
};

// Where hexes lie on screen: flat-topped hex pictures (50 x 42 at actual size, columns 37
// pixels apart, every column shifted half a hex from its neighbours), at one of the zoom
// steps, and a world that repeats east to west every wrapWidth columns. Pixel to hex, hex to
// pixel and the walk over a window area; no drawing.
class HexGeometry {
public:
    // The pictures' own size: the actual-size step.
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

    // The zoom steps from the smallest, at which a whole 64 x 64 level fits a map of about
    // 600 x 330 pixels, to 200%; sizes are whole pixels so that hexes tile without seams.
    static constexpr HexMetrics kZoomSteps[] = {
        {12, 10, 6, 25},   {16, 14, 8, 33},   {26, 22, 12, 50},   {38, 32, 18, 75},
        {50, 42, 24, 100}, {76, 64, 36, 150}, {100, 84, 48, 200},
    };
    static constexpr int kZoomStepCount = static_cast<int>(std::size(kZoomSteps));
    static constexpr int kActualSize = 4;

    // The outline at actual size relative to the picture's corner: left point, then
    // clockwise. Edge i runs from corner i to corner i + 1 and faces kEdgeDirections[i].
    static constexpr PixelPoint kOutline[6] = {{0, 21},  {13, 0},  {37, 0},
                                               {50, 21}, {37, 42}, {13, 42}};
    static constexpr AtlDirection::Type kEdgeDirections[6] = {
        AtlDirection::Northwest, AtlDirection::North, AtlDirection::Northeast,
        AtlDirection::Southeast, AtlDirection::South, AtlDirection::Southwest};

    // wrapWidth 0 is a world without wrap; rows 0 is a level without a known southern edge.
    // At actual size until SetZoomStep.
    explicit HexGeometry(int wrapWidth = kWrapWidth, int rows = 0)
        : wrapWidth_(wrapWidth < 0 ? 0 : wrapWidth), rows_(rows < 0 ? 0 : rows) {}
    // Another level: its wrap and rows, at the same zoom.
    void SetLevel(int wrapWidth, int rows) {
        wrapWidth_ = wrapWidth < 0 ? 0 : wrapWidth;
        rows_ = rows < 0 ? 0 : rows;
    }

    // An index of kZoomSteps, kept within them.
    void SetZoomStep(int step);
    int WrapWidth() const { return wrapWidth_; }
    // The rows of the level, y = 0 .. rows - 1; 0 without a limit.
    int Rows() const { return rows_; }
    int ZoomStep() const { return zoomStep_; }
    const HexMetrics& Metrics() const { return kZoomSteps[zoomStep_]; }
    // x brought into 0 .. wrapWidth - 1 when the world wraps; as it is otherwise.
    int WrapX(int x) const { return wrapWidth_ != 0 ? Modulo(x, wrapWidth_) : x; }

    // The corner of the picture of view column x, row y (x not wrapped).
    PixelPoint HexCorner(int x, int y, const ScrollData& scroll) const;

    // The hex under window pixel p on plain z. Columns part in the middle of the slanted edges;
    // a point left or right of the world wraps round it, or without wrap is pulled to the
    // first or last of the xExtent columns. The first row of an odd column is y = 1.
    AtlCoord ViewCoord2HexCoord(PixelPoint p, const ScrollData& scroll, int z, int xExtent) const;

    // The corners of every copy of hex c that may show in the window (one without wrap), for
    // redrawing it.
    std::vector<PixelPoint> HexCorners(const AtlCoord& c, const ScrollData& scroll) const;
    // The area to redraw for a hex picture at corner.
    PixelRect RedrawRect(PixelPoint corner) const;

    // Every hex position of plain z whose picture meets clip, row by row from the top and left
    // to right within a row. Positions above the first row, below the last (with a row
    // limit), and left of the first column without wrap, lie outside the world and are left
    // out.
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
    int rows_;
    int zoomStep_ = kActualSize;
};
