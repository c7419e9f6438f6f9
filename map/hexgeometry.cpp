#include "map/hexgeometry.h"

#include "map/scrolldata.h"

PixelPoint HexGeometry::HexCorner(int x, int y, const ScrollData& scroll) {
    return {(x - scroll.column) * kColumnStep, (y - scroll.row) * kRowStep};
}

AtlCoord HexGeometry::ViewCoord2HexCoord(PixelPoint p, const ScrollData& scroll, int z,
                                         int xExtent) const {
    // Integer arithmetic truncating toward zero, as the window has always hit-tested.
    int px = p.x + scroll.column * kColumnStep;
    int x = (px - (kHalfWidth - kHalfTopEdge) / 2 + kColumnStep) / kColumnStep - 1;
    if (wrapWidth_ != 0) {
        x = Modulo(x, wrapWidth_);
    } else {
        if (x >= xExtent) x = xExtent - 1;
        if (x < 0) x = 0;
    }
    int parity = x % 2;
    int py = p.y + scroll.row * kRowStep;
    int y = ((py - kRowStep * parity) / kHexHeight) * 2 + parity;
    if (y < parity) y = parity;
    return AtlCoord(x, y, z);
}

std::vector<PixelPoint> HexGeometry::HexCorners(const AtlCoord& c, const ScrollData& scroll) const {
    std::vector<PixelPoint> corners;
    if (wrapWidth_ == 0) {
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

PixelRect HexGeometry::RedrawRect(PixelPoint corner) {
    return {corner.x - kRedrawMargin, corner.y - kRedrawMargin,
            corner.x + kHexWidth + kRedrawMargin, corner.y + kHexHeight + kRedrawMargin};
}

std::vector<HexPlace> HexGeometry::PlacesIn(const PixelRect& clip, const ScrollData& scroll,
                                            int z) const {
    std::vector<HexPlace> places;
    if (clip.IsEmpty()) return places;
    // Steps from the first shown column and row whose pictures reach into clip.
    int firstDx = FloorDiv(clip.left - kHexWidth, kColumnStep) + 1;
    int lastDx = FloorDiv(clip.right - 1, kColumnStep);
    int firstDy = FloorDiv(clip.top - kHexHeight, kRowStep) + 1;
    int lastDy = FloorDiv(clip.bottom - 1, kRowStep);
    places.reserve(static_cast<size_t>((lastDx - firstDx + 1) * (lastDy - firstDy + 2) / 2));
    for (int dy = firstDy; dy <= lastDy; ++dy) {
        int y = scroll.row + dy;
        if (y < 0) continue;
        for (int dx = firstDx; dx <= lastDx; ++dx) {
            int x = scroll.column + dx;
            if ((x + y) % 2 != 0 || (wrapWidth_ == 0 && x < 0)) continue;
            places.push_back({AtlCoord(WrapX(x), y, z), {dx * kColumnStep, dy * kRowStep}});
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
