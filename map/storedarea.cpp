#include "map/storedarea.h"

#include "map/atlplain.h"
#include "map/hexgeometry.h"

#include <algorithm>
#include <climits>
#include <vector>

int HexArea::PixelWidth() const {
    return (columns - 1) * HexGeometry::kColumnStep + HexGeometry::kHexWidth;
}

int HexArea::PixelHeight() const {
    return (rows - 1) * HexGeometry::kRowStep + HexGeometry::kHexHeight;
}

HexArea StoredArea(const AtlPlain& plain, int wrapWidth) {
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    std::vector<bool> usedColumn(static_cast<size_t>(std::max(wrapWidth, 0)), false);
    plain.ForEachHex([&](const AtlCoord& c, const AtlHexData&) {
        minX = std::min<int>(minX, c.x);
        maxX = std::max<int>(maxX, c.x);
        minY = std::min<int>(minY, c.y);
        maxY = std::max<int>(maxY, c.y);
        if (c.x >= 0 && c.x < wrapWidth) usedColumn[static_cast<size_t>(c.x)] = true;
    });
    HexArea area;
    area.wrapWidth = wrapWidth;
    if (minX == INT_MAX) return area;
    area.row = minY;
    area.rows = maxY - minY + 1;
    if (wrapWidth <= 0 || maxX >= wrapWidth || minX < 0) {
        area.wrapWidth = 0;
        area.column = minX;
        area.columns = maxX - minX + 1;
        return area;
    }
    // The stretch from maxX round to minX is the one the plain shows unwrapped; another
    // empty stretch is taken only when it is wider.
    int bestGap = wrapWidth - 1 - maxX + minX;
    int bestStart = minX;
    int previous = minX;
    for (int x = minX + 1; x <= maxX; ++x) {
        if (!usedColumn[static_cast<size_t>(x)]) continue;
        if (x - previous - 1 > bestGap) {
            bestGap = x - previous - 1;
            bestStart = x;
        }
        previous = x;
    }
    area.column = bestStart;
    area.columns = wrapWidth - bestGap;
    return area;
}

AtlCoord AreaCentre(const HexArea& area) {
    int x = area.column + (area.columns - 1) / 2;
    if (area.wrapWidth > 0) x = HexGeometry::Modulo(x, area.wrapWidth);
    return AtlCoord(x, area.row + (area.rows - 1) / 2, 0);
}
