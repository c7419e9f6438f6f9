#pragma once

#include "base/pixelrect.h"
#include "model/atlcoord.h"

#include <vector>

class AtlPlain;
class HexGeometry;
class ScrollData;

// Where the hexes of one whole level lie on the minimap, a small picture of the level in a
// box of the window: each hex a patch one column wide and two half rows high, every other
// column half a patch lower, as on the map, so that the patches tile without gaps. The level
// keeps the map's shape (a column step against a half row, 37 to 21) and stands in the middle
// of the box. Pure arithmetic both ways, no drawing.
class MinimapLayout {
public:
    // Patches never grow beyond half a hex of actual size: a level of a few hexes (the
    // nexus) would otherwise fill the box with one colour.
    static constexpr int kLargestColumn = 18;

    // An empty layout: no level, no patches.
    MinimapLayout() = default;
    // The level's columns first .. first + columns - 1 (going round the world when wrap != 0,
    // which then equals columns) and rows 0 .. rows - 1, fitted into a box of width x height.
    MinimapLayout(int first, int columns, int rows, int wrap, int width, int height);
    // The whole of plain (null: a level nothing is known of), as the map view shows it with
    // wrap: every column of a world that wraps, from the one after its widest empty stretch
    // (so that land lying across the wrap shows in one piece), the known ones otherwise.
    static MinimapLayout OfLevel(const AtlPlain* plain, int wrap, int width, int height);

    int FirstColumn() const { return first_; }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // The part of the box the level takes; empty for an empty layout.
    PixelRect Picture() const { return picture_; }

    // The patch of hex c (x taken round the world); empty for a hex off the level.
    PixelRect Patch(const AtlCoord& c) const;
    // The hex whose patch holds p, pulled onto the nearest row of its column at the top and
    // bottom edges; false outside the picture. Its level is z.
    bool HexAt(PixelPoint p, int z, AtlCoord& c) const;

    // A piece of the main view's window on the minimap. A window across the world's wrap
    // shows as two pieces, one at each side of the picture; their edges at the sides are not
    // the window's, and leftEdge or rightEdge says so.
    struct ViewPiece {
        PixelRect rect;
        bool leftEdge = true;
        bool rightEdge = true;
    };
    // The part of the level the map view shows in a client area of clientWidth x
    // clientHeight, scrolled to scroll at geometry's zoom, clipped to the picture.
    std::vector<ViewPiece> ViewPieces(const ScrollData& scroll, const HexGeometry& geometry,
                                      int clientWidth, int clientHeight) const;

private:
    // The pixel of the picture where column step u and half row v begin (fractions allowed).
    int ColumnLeft(double u) const;
    int HalfRowTop(double v) const;

    int first_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    int wrap_ = 0;
    PixelRect picture_;
};
