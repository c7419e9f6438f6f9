#include "map/zoom.h"

#include "map/hexgeometry.h"
#include "map/scrolldata.h"

#include <algorithm>
#include <cmath>

void ZoomAround(ScrollData& scroll, const HexGeometry& from, const HexGeometry& to, PixelPoint p,
                int clientWidth, int clientHeight, int xExtent, int yExtent) {
    const int z = 0; // the level does not change where hexes lie
    AtlCoord under = from.ViewCoord2HexCoord(p, scroll, z, xExtent);
    const HexMetrics &a = from.Metrics(), &b = to.Metrics();
    // Where p lies in the view in steps, fractions kept: that place goes under p again.
    double column = scroll.column + static_cast<double>(p.x - scroll.originX) / a.ColumnStep();
    double row = scroll.row + static_cast<double>(p.y - scroll.originY) / a.RowStep();
    scroll.Setup(clientWidth, clientHeight, xExtent, yExtent, to.WrapWidth(), b);
    int wrap = to.WrapWidth();
    // A level smaller than the window moves its margin instead, as far as it stays in view.
    if (scroll.once) {
        double x = column - wrap * std::floor(column / wrap);
        scroll.originX = std::clamp(static_cast<int>(std::lround(p.x - x * b.ColumnStep())), 0,
                                    clientWidth - scroll.levelWidth);
    }
    if (scroll.fitsRows)
        scroll.originY = std::clamp(static_cast<int>(std::lround(p.y - row * b.RowStep())), 0,
                                    clientHeight - scroll.levelHeight);
    int firstColumn =
        static_cast<int>(std::lround(column - static_cast<double>(p.x) / b.ColumnStep()));
    int firstRow = static_cast<int>(std::lround(row - static_cast<double>(p.y) / b.RowStep()));
    // Rounding to whole steps can leave p on a neighbour: the nearest start that keeps the
    // hex's column under p, then the nearest that keeps its row where the range allows.
    scroll.HScroll(ScrollData::ThumbPosition, firstColumn, wrap);
    scroll.VScroll(ScrollData::ThumbPosition, firstRow);
    for (int dx : {0, -1, 1}) {
        ScrollData tried = scroll;
        tried.HScroll(ScrollData::ThumbPosition, firstColumn + dx, wrap);
        if (to.ViewCoord2HexCoord(p, tried, z, xExtent).x == under.x) {
            scroll = tried;
            break;
        }
    }
    for (int dy : {0, -1, 1, -2, 2}) {
        ScrollData tried = scroll;
        tried.VScroll(ScrollData::ThumbPosition, firstRow + dy);
        if (to.ViewCoord2HexCoord(p, tried, z, xExtent) == under) {
            scroll = tried;
            return;
        }
    }
    // The rows' range ends short of it: a margin beyond the level's edge keeps the hex (Setup
    // holds it there until the next scroll).
    if (scroll.fitsRows) return;
    int margin = static_cast<int>(std::lround(p.y - (row - scroll.row) * b.RowStep()));
    if ((scroll.row == 0 && margin > 0) || (scroll.row == scroll.LastRow() && margin < 0)) {
        scroll.originY = margin;
        scroll.Setup(clientWidth, clientHeight, xExtent, yExtent, wrap, b);
    }
}

int WholeLevelStep(int columns, int rows, int clientWidth, int clientHeight) {
    for (int step = HexGeometry::kZoomStepCount - 1; step > 0; --step) {
        const HexMetrics& m = HexGeometry::kZoomSteps[step];
        int width = (columns - 1) * m.ColumnStep() + m.width;
        int height = (rows - 1) * m.RowStep() + m.height;
        if (width <= clientWidth && height <= clientHeight) return step;
    }
    return 0;
}

int ZoomStepOfPercent(int percent) {
    for (int step = 0; step < HexGeometry::kZoomStepCount; ++step)
        if (HexGeometry::kZoomSteps[step].percent == percent) return step;
    return HexGeometry::kActualSize;
}
