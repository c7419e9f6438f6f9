#include "map/minimap.h"

#include "map/atlplain.h"
#include "map/hexgeometry.h"
#include "map/scrolldata.h"
#include "map/storedarea.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kColumnStep = HexGeometry::kColumnStep;
constexpr int kHalfRow = HexGeometry::kRowStep;

} // namespace

MinimapLayout::MinimapLayout(int first, int columns, int rows, int wrap, int width, int height)
    : first_(first), columns_(columns), rows_(rows), wrap_(wrap) {
    if (columns <= 0 || rows <= 0 || width <= 0 || height <= 0) {
        columns_ = rows_ = 0;
        return;
    }
    // The level's size at actual size, scaled down (never up beyond the largest patch) to fit.
    double levelWidth = static_cast<double>(columns) * kColumnStep;
    double levelHeight = static_cast<double>(rows + 1) * kHalfRow;
    double scale = std::min({width / levelWidth, height / levelHeight,
                             static_cast<double>(kLargestColumn) / kColumnStep});
    int w = std::clamp(static_cast<int>(std::lround(levelWidth * scale)), 1, width);
    int h = std::clamp(static_cast<int>(std::lround(levelHeight * scale)), 1, height);
    int left = (width - w) / 2, top = (height - h) / 2;
    picture_ = {left, top, left + w, top + h};
}

MinimapLayout MinimapLayout::OfLevel(const AtlPlain* plain, int wrap, int width, int height) {
    if (!plain || !plain->HasKnownHexes()) return {};
    HexArea area = StoredArea(*plain, wrap);
    // StoredArea gives up the wrap only for hexes beyond it: then the known columns alone.
    if (area.wrapWidth != 0)
        return MinimapLayout(area.column, wrap, plain->YExtent(), wrap, width, height);
    return MinimapLayout(area.column, area.columns, plain->YExtent(), 0, width, height);
}

int MinimapLayout::ColumnLeft(double u) const {
    return picture_.left + static_cast<int>(std::lround(u * picture_.Width() / columns_));
}

int MinimapLayout::HalfRowTop(double v) const {
    return picture_.top + static_cast<int>(std::lround(v * picture_.Height() / (rows_ + 1)));
}

PixelRect MinimapLayout::Patch(const AtlCoord& c) const {
    if (columns_ == 0) return {};
    int dx = wrap_ != 0 ? HexGeometry::Modulo(c.x - first_, wrap_) : c.x - first_;
    if (dx < 0 || dx >= columns_ || c.y < 0 || c.y >= rows_) return {};
    // Whole steps land on the same pixels as HexAt's integer arithmetic.
    return {ColumnLeft(dx), HalfRowTop(c.y), ColumnLeft(dx + 1), HalfRowTop(c.y + 2)};
}

bool MinimapLayout::HexAt(PixelPoint p, int z, AtlCoord& c) const {
    if (columns_ == 0 || !picture_.Contains(p)) return false;
    // The last column (half row) whose left (top) pixel lies at or before p.
    auto last = [](int at, int steps, int pixels) {
        int step = static_cast<int>((static_cast<long long>(at) * steps + steps / 2) / pixels);
        while (step > 0 &&
               static_cast<int>(std::lround(static_cast<double>(step) * pixels / steps)) > at)
            --step;
        while (step + 1 < steps &&
               static_cast<int>(std::lround(static_cast<double>(step + 1) * pixels / steps)) <= at)
            ++step;
        return step;
    };
    int dx = last(p.x - picture_.left, columns_, picture_.Width());
    int halfRow = last(p.y - picture_.top, rows_ + 1, picture_.Height());
    int x = first_ + dx;
    if (wrap_ != 0) x = HexGeometry::Modulo(x, wrap_);
    int parity = HexGeometry::Modulo(x, 2);
    // A column's hexes start on rows of its own parity; the half row above belongs to the
    // hex that starts there.
    int y = HexGeometry::Modulo(halfRow, 2) == parity ? halfRow : halfRow - 1;
    if (y < 0) y += 2;
    if (y >= rows_) y -= 2;
    if (y < 0) return false;
    c = AtlCoord(x, y, z);
    return true;
}

std::vector<MinimapLayout::ViewPiece> MinimapLayout::ViewPieces(const ScrollData& scroll,
                                                                const HexGeometry& geometry,
                                                                int clientWidth,
                                                                int clientHeight) const {
    std::vector<ViewPiece> pieces;
    if (columns_ == 0 || clientWidth <= 0 || clientHeight <= 0) return pieces;
    const HexMetrics& m = geometry.Metrics();
    // The window in column steps and half rows of the level, fractions kept.
    double u = scroll.column - static_cast<double>(scroll.originX) / m.ColumnStep() - first_;
    double width = static_cast<double>(clientWidth) / m.ColumnStep();
    double v = scroll.row - static_cast<double>(scroll.originY) / m.RowStep();
    double height = static_cast<double>(clientHeight) / m.RowStep();
    double top = std::max(v, 0.0), bottom = std::min(v + height, rows_ + 1.0);
    if (bottom <= top) return pieces;
    auto piece = [&](double from, double to, bool leftEdge, bool rightEdge) {
        PixelRect r{ColumnLeft(from), HalfRowTop(top), ColumnLeft(to), HalfRowTop(bottom)};
        // However far out the map is zoomed, the window stays a mark of at least a pixel.
        r.right = std::max(r.right, r.left + 1);
        r.bottom = std::max(r.bottom, r.top + 1);
        pieces.push_back({r, leftEdge, rightEdge});
    };
    if (wrap_ == 0) {
        double from = std::max(u, 0.0), to = std::min(u + width, static_cast<double>(columns_));
        if (to > from) piece(from, to, true, true);
        return pieces;
    }
    // A world drawn once, or narrower than the window, shows whole.
    if (scroll.once || width >= columns_) {
        piece(0, columns_, true, true);
        return pieces;
    }
    u -= columns_ * std::floor(u / columns_);
    if (u + width <= columns_) {
        piece(u, u + width, true, true);
    } else {
        piece(u, columns_, true, false);
        piece(0, u + width - columns_, false, true);
    }
    return pieces;
}
