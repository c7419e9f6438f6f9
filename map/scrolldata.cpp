#include "map/scrolldata.h"

#include "map/hexgeometry.h"

#include <algorithm>

namespace {

// The first line after a step; moves is false for a code that moves nothing.
int Step(int code, int position, int current, int page, int last, bool& moves) {
    moves = true;
    // A window too small for two steps still pages by one.
    int pageStep = std::max(1, page - 1);
    switch (code) {
    case ScrollData::LineBack:
        return current - 1;
    case ScrollData::LineForward:
        return current + 1;
    case ScrollData::PageBack:
        return current - pageStep;
    case ScrollData::PageForward:
        return current + pageStep;
    case ScrollData::ThumbPosition:
    case ScrollData::ThumbTrack:
        return position;
    case ScrollData::ToStart:
        return 0;
    case ScrollData::ToEnd:
        return last;
    default:
        moves = false;
        return current;
    }
}

int Limit(int value, int last) {
    return std::max(0, std::min(value, last));
}

} // namespace

bool ScrollData::HScroll(int code, int position, int wrap) {
    if (columnUnit == 0) return false;
    bool moves;
    int next = Step(code, position, column, pageColumns, LastColumn(), moves);
    if (!moves) return false;
    // A page or a thumb position may go round the world more than once.
    next = wrap != 0 && !once ? HexGeometry::Modulo(next, wrap) : Limit(next, LastColumn());
    bool changed = next != column;
    column = next;
    return changed;
}

bool ScrollData::VScroll(int code, int position) {
    if (rowUnit == 0) return false;
    bool moves;
    int next = Step(code, position, row, pageRows, LastRow(), moves);
    if (!moves) return false;
    next = Limit(next, LastRow());
    bool changed = next != row;
    row = next;
    // A margin a zoom left beyond a level taller than the window goes with the first step.
    if (!fitsRows && originY != 0) {
        originY = 0;
        changed = true;
    }
    return changed;
}

bool ScrollData::Setup(int clientWidth, int clientHeight, int xExtent, int yExtent, int wrap,
                       const HexMetrics& metrics) {
    columnUnit = metrics.ColumnStep();
    rowUnit = metrics.RowStep();
    // A column counts only when its flat part and right slant fit.
    pageColumns = std::max(0, (clientWidth - (metrics.width - columnUnit)) / columnUnit);
    pageRows = std::max(0, clientHeight / rowUnit);
    maxRow = std::max(yExtent, 0);
    int oldX = originX, oldY = originY;
    levelWidth = wrap != 0 ? (wrap - 1) * columnUnit + metrics.width : 0;
    once = widthKnown && wrap != 0 && levelWidth <= clientWidth;
    if (!once) levelWidth = 0;
    levelHeight = maxRow > 0 ? (maxRow + 1) * rowUnit : 0;
    fitsRows = maxRow > 0 && levelHeight <= clientHeight;
    if (!fitsRows) levelHeight = 0;
    originX = once ? std::clamp(originX, 0, clientWidth - levelWidth) : 0;
    // Taller than the window, a level may stand off the window's edge by a margin that a
    // zoom left to keep the hex under the mouse, at most half the window, until it scrolls.
    if (fitsRows)
        originY = std::clamp(originY, 0, clientHeight - levelHeight);
    else if (row <= 0 && originY > 0)
        originY = std::min(originY, clientHeight / 2);
    else if (row >= maxRow - pageRows + 1 && originY < 0)
        originY = std::max(originY, -clientHeight / 2);
    else
        originY = 0;
    maxColumn = once ? wrap - 1 : wrap != 0 ? wrap + pageColumns - 2 : std::max(xExtent, 0) - 1;

    bool changed = originX != oldX || originY != oldY;
    if (once && column != 0) {
        column = 0;
        changed = true;
    }
    // A level narrower than the one shown before: the same place of the world round it.
    if (wrap != 0 && !once && (column < 0 || column >= wrap)) {
        column = HexGeometry::Modulo(column, wrap);
        changed = true;
    }
    if ((wrap == 0 || once) && column > LastColumn()) {
        int pulled = std::max(LastColumn(), 0);
        changed = pulled != column;
        column = pulled;
    }
    if (row > LastRow()) {
        int pulled = std::max(LastRow(), 0);
        changed = changed || pulled != row;
        row = pulled;
    }
    return changed;
}

void ScrollData::CenterOn(const AtlCoord& c, int clientWidth, int clientHeight, int wrap) {
    if (columnUnit == 0 || rowUnit == 0) return;
    int x = c.x - clientWidth / (2 * columnUnit);
    int y = c.y - clientHeight / (2 * rowUnit);
    HScroll(ThumbPosition, x, wrap);
    VScroll(ThumbPosition, y);
    CentreMargins(clientWidth, clientHeight);
}

void ScrollData::CentreMargins(int clientWidth, int clientHeight) {
    if (once) originX = (clientWidth - levelWidth) / 2;
    if (fitsRows) originY = (clientHeight - levelHeight) / 2;
}

bool ScrollData::InLevel(PixelPoint p) const {
    if (once && (p.x < originX || p.x >= originX + levelWidth)) return false;
    if (fitsRows) return p.y >= originY && p.y < originY + levelHeight;
    return row > 0 || p.y >= originY;
}

int ScrollData::ColumnBarPage(int wrap) const {
    if (wrap == 0) return pageColumns;
    int last = std::max(LastColumn(), 0);
    // The thumb takes page / (last + page) of the bar; the window shows pageColumns / wrap.
    if (pageColumns >= wrap) return std::max(1, last) * 1000;
    int page = (pageColumns * last + (wrap - pageColumns) / 2) / (wrap - pageColumns);
    return std::max(page, 1);
}

bool ScrollData::BringIntoView(const AtlCoord& c, int wrap) {
    int column0 = column, row0 = row;
    // The last steps at which a whole hex still shows: a hex is two rows tall.
    int lastDx = std::max(0, pageColumns - 1);
    int lastDy = std::max(0, pageRows - 2);
    int dx = wrap != 0 ? HexGeometry::Modulo(c.x - column, wrap) : c.x - column;
    if (dx < 0 || dx > lastDx) {
        bool toLeft = wrap != 0 ? wrap - dx < dx - lastDx : dx < 0;
        HScroll(ThumbPosition, toLeft ? c.x : c.x - lastDx, wrap);
    }
    int dy = c.y - row;
    if (dy < 0)
        VScroll(ThumbPosition, c.y);
    else if (dy > lastDy)
        VScroll(ThumbPosition, c.y - lastDy);
    return column != column0 || row != row0;
}
