#include "map/hexgeometry.h"

#include "map/scrolldata.h"

#include <algorithm>

void HexGeometry::SetZoomStep(int step) {
    zoomStep_ = std::clamp(step, 0, kZoomStepCount - 1);
}

PixelPoint HexGeometry::HexCorner(int x, int y, const ScrollData& scroll) const {
    const HexMetrics& m = Metrics();
    return {(x - scroll.column) * m.ColumnStep() + scroll.originX,
            (y - scroll.row) * m.RowStep() + scroll.originY};
}

AtlCoord HexGeometry::ViewCoord2HexCoord(PixelPoint p, const ScrollData& scroll, int z,
                                         int xExtent) const {
    const HexMetrics& m = Metrics();
    // Integer arithmetic truncating toward zero, as the window has always hit-tested.
    int px = p.x - scroll.originX + scroll.column * m.ColumnStep();
    int x = (px - m.Slant() / 2 + m.ColumnStep()) / m.ColumnStep() - 1;
    if (wrapWidth_ != 0 && !scroll.once) {
        x = Modulo(x, wrapWidth_);
    } else {
        int columns = scroll.once ? wrapWidth_ : xExtent;
        if (x >= columns) x = columns - 1;
        if (x < 0) x = 0;
    }
    int parity = x % 2;
    int py = p.y - scroll.originY + scroll.row * m.RowStep();
    int y = ((py - m.RowStep() * parity) / m.height) * 2 + parity;
    if (y < parity) y = parity;
    return AtlCoord(x, y, z);
}

std::vector<PixelPoint> HexGeometry::HexCorners(const AtlCoord& c, const ScrollData& scroll) const {
    std::vector<PixelPoint> corners;
    if (wrapWidth_ == 0 || scroll.once) {
        corners.push_back(HexCorner(c.x, c.y, scroll));
        return corners;
    }
    // The columns that can show: one partly hidden on the left, the whole pages, and the
    // partly shown ones on the right. A window wider than the world shows some hexes twice.
    int first = scroll.column - 1;
    int last = scroll.column + scroll.pageColumns + 1;
    for (int x = first + Modulo(c.x - first, wrapWidth_); x <= last; x += wrapWidth_)
        corners.push_back(HexCorner(x, c.y, scroll));
    return corners;
}

PixelRect HexGeometry::RedrawRect(PixelPoint corner) const {
    const HexMetrics& m = Metrics();
    return {corner.x - kRedrawMargin, corner.y - kRedrawMargin, corner.x + m.width + kRedrawMargin,
            corner.y + m.height + kRedrawMargin};
}

std::vector<HexPlace> HexGeometry::PlacesIn(const PixelRect& clip, const ScrollData& scroll,
                                            int z) const {
    std::vector<HexPlace> places;
    if (clip.IsEmpty()) return places;
    const HexMetrics& m = Metrics();
    const int columnStep = m.ColumnStep(), rowStep = m.RowStep();
    // Steps from the first shown column and row whose pictures reach into clip.
    const int left = clip.left - scroll.originX, right = clip.right - scroll.originX;
    const int top = clip.top - scroll.originY, bottom = clip.bottom - scroll.originY;
    int firstDx = FloorDiv(left - m.width, columnStep) + 1;
    int lastDx = FloorDiv(right - 1, columnStep);
    int firstDy = FloorDiv(top - m.height, rowStep) + 1;
    int lastDy = FloorDiv(bottom - 1, rowStep);
    places.reserve(static_cast<size_t>((lastDx - firstDx + 1) * (lastDy - firstDy + 2) / 2));
    for (int dy = firstDy; dy <= lastDy; ++dy) {
        int y = scroll.row + dy;
        if (y < 0 || (rows_ != 0 && y >= rows_)) continue;
        for (int dx = firstDx; dx <= lastDx; ++dx) {
            int x = scroll.column + dx;
            if ((x + y) % 2 != 0 || (wrapWidth_ == 0 && x < 0)) continue;
            // A world drawn once: nothing beside it.
            if (scroll.once && (x < 0 || x >= wrapWidth_)) continue;
            places.push_back({AtlCoord(WrapX(x), y, z),
                              {dx * columnStep + scroll.originX, dy * rowStep + scroll.originY}});
        }
    }
    return places;
}

AtlCoord HexGeometry::Step(const AtlCoord& c, AtlDirection::Type d, int xExtent,
                           int yExtent) const {
    AtlCoord next = c;
    next.Move(d);
    if (next.y < 0 || next.y >= yExtent) return c;
    if (wrapWidth_ == 0 && (next.x < 0 || next.x >= xExtent)) return c;
    next.x = static_cast<int16_t>(WrapX(next.x));
    return next;
}
