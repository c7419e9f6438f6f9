#include "map/atlplain.h"

#include "map/atlmap.h"

#include <algorithm>

void AtlPlain::dispose() {
    cells_.clear();
    cells_.shrink_to_fit();
    width_ = height_ = usedColumns_ = usedRows_ = 0;
}

void AtlPlain::alloc(int columns, int rows) {
    cells_.clear();
    cells_.resize(static_cast<size_t>(columns) * static_cast<size_t>(rows));
    width_ = columns;
    height_ = rows;
}

void AtlPlain::Clear() {
    dispose();
    alloc(kColumns, kRows);
    xExtent_ = yExtent_ = 0;
}

int AtlPlain::CellIndex(const AtlCoord& c) const {
    int x = c.x, y = c.y;
    // A negative x or an odd x + y would land on the cell of another hex.
    if (x < 0 || y < 0 || (x + y) % 2 != 0) return -1;
    int column = x / 2;
    if (column >= width_ || y >= height_) return -1;
    return column + y * width_;
}

AtlCoord AtlPlain::CellCoord(int index) const {
    int column = index % width_, row = index / width_;
    return AtlCoord(2 * column + row % 2, row, plainIndex_);
}

AtlHexData* AtlPlain::GetHex(const AtlCoord& c) const {
    int index = CellIndex(c);
    if (index < 0 || c.x / 2 >= usedColumns_ || c.y >= usedRows_) return nullptr;
    return cells_[static_cast<size_t>(index)].get();
}

void AtlPlain::SetHex(const AtlCoord& c, std::unique_ptr<AtlHexData> hex) {
    xExtent_ = std::max(xExtent_, c.x + 1);
    yExtent_ = std::max(yExtent_, c.y + 1);
    int index = CellIndex(c);
    if (index < 0) return; // hex is released here
    usedColumns_ = std::max(usedColumns_, c.x / 2 + 1);
    usedRows_ = std::max(usedRows_, c.y + 1);
    cells_[static_cast<size_t>(index)] = std::move(hex);
}

int AtlPlain::NextSelected(int from) const {
    for (int i = from; i < usedRows_ * width_; ++i) {
        if (i % width_ >= usedColumns_) continue;
        const AtlHexData* hex = cells_[static_cast<size_t>(i)].get();
        if (hex && hex->Has(AtlHexData::HexSelected)) return i;
    }
    return -1;
}

void AtlPlain::ClearSelection() {
    for (int i = NextSelected(0); i >= 0; i = NextSelected(i + 1))
        map_->SelectHex(CellCoord(i), false);
}

int AtlPlain::GetSelCount() const {
    int count = 0;
    for (int i = NextSelected(0); i >= 0; i = NextSelected(i + 1))
        ++count;
    return count;
}

AtlCoord AtlPlain::GetSelectedCoord() const {
    int first = NextSelected(0);
    return first >= 0 ? CellCoord(first) : AtlCoord(-1, -1, plainIndex_);
}
