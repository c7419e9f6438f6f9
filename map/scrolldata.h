#pragma once

#include "map/hexgeometry.h"
#include "model/atlcoord.h"

// The map view's scroll state in hex steps: the first column (x) and row (y) shown, the pixels
// of one step, the limits and the whole steps that fit in the window. Pure arithmetic; the
// window turns it into scroll bars and redraws.
class ScrollData {
public:
    // The scroll-bar codes, in the window system's numbering.
    enum Code {
        LineBack = 0, // line left or up
        LineForward = 1,
        PageBack = 2,
        PageForward = 3,
        ThumbPosition = 4,
        ThumbTrack = 5,
        ToStart = 6,
        ToEnd = 7,
        EndScroll = 8, // the drag is over: nothing moves
    };

    // One horizontal step; position is read by the thumb codes only. With wrap != 0 the
    // column goes round the world, otherwise it stays within the scroll range. Returns whether
    // the column changed. Nothing happens before Setup (columnUnit 0).
    bool HScroll(int code, int position, int wrap);
    // The same for rows, always limited, never wrapped.
    bool VScroll(int code, int position);

    // Steps and page sizes for a client area and the extents of the level on show; pulls
    // the position back where it lies beyond the new limits (with wrap, the column is brought
    // round into the world).
    // Returns whether the position changed: the whole window must then be redrawn.
    // The steps are those of the hexes at one zoom step (actual size unless given).
    bool Setup(int clientWidth, int clientHeight, int xExtent, int yExtent, int wrap,
               const HexMetrics& metrics = HexGeometry::kZoomSteps[HexGeometry::kActualSize]);

    // Whether the last column or row of the scroll range is already in view.
    bool IsRightEdge() const { return column + pageColumns - 1 >= maxColumn; }
    bool IsDownEdge() const { return row + pageRows - 1 >= maxRow; }

    // The largest first column and row the scroll range allows.
    int LastColumn() const { return maxColumn - pageColumns + 1; }
    int LastRow() const { return maxRow - pageRows + 1; }

    // The page sizes to give scroll bars whose maximum excludes the page (the range is 0 ..
    // LastColumn() or LastRow()), so that the thumb's share of the bar is the share of the
    // level on show. Going round the world, every column is a position of the thumb; the
    // page is then stretched to keep the share right.
    int ColumnBarPage(int wrap) const;
    int RowBarPage() const { return pageRows; }

    // Scrolls so that hex c lies about in the middle of the client area (the right click); a
    // level smaller than the window is centred in it instead.
    void CenterOn(const AtlCoord& c, int clientWidth, int clientHeight, int wrap);

    // Scrolls as little as it takes for the whole of hex c to show (the way round the world
    // that is shorter with wrap != 0); returns whether anything moved.
    bool BringIntoView(const AtlCoord& c, int wrap);

    // Centres a level smaller than the window in it; nothing moves across a larger one.
    void CentreMargins(int clientWidth, int clientHeight);
    // Whether window point p lies on the level rather than in the margin beside or above a
    // level smaller than the window.
    bool InLevel(PixelPoint p) const;

    int column = 0; // first x shown
    int row = 0;    // first y shown
    // A world narrower than the window is drawn once, not side by side with itself (once):
    // its column stays 0 and originX is the margin left of it. A level lower than the window
    // (fitsRows) has row 0 and the margin originY above it. Both margins are 0 otherwise.
    // Setup keeps them within the window, CenterOn centres the level in it and ZoomAround
    // moves them to keep a hex under the mouse; it may leave a taller level off the window's
    // top or bottom edge by originY for the same reason, until the next vertical scroll.
    bool once = false;
    bool fitsRows = false;
    // Only a world whose width the reports showed is drawn once: a guessed width would leave
    // the known hexes at the edge of an empty strip (the nexus, one hex).
    bool widthKnown = true;
    int originX = 0;
    int originY = 0;
    int levelWidth = 0;  // the level's pixels while once
    int levelHeight = 0; // and while fitsRows
    int columnUnit = 0;
    int rowUnit = 0;
    int maxColumn = 0;
    int maxRow = 0;
    int pageColumns = 0;
    int pageRows = 0;
};
