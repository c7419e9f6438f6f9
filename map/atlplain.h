#pragma once

#include "map/hexdata.h"
#include "model/atlcoord.h"

#include <memory>
#include <vector>

class AtlMap;

// One level of the world as a fixed grid of hex records. Cell (column, row) holds the hex
// x = 2 * column + row % 2, y = row: each row holds the hexes of one parity only.
class AtlPlain {
public:
    static constexpr int kColumns = 100;
    static constexpr int kRows = 100;

    AtlPlain(AtlMap* map, int plainIndex) : map_(map), plainIndex_(plainIndex) {}
    AtlPlain(const AtlPlain&) = delete;
    AtlPlain& operator=(const AtlPlain&) = delete;

    // Destroys every record and the grid; the used extent becomes 0.
    void dispose();
    void alloc(int columns, int rows);
    // An empty kColumns x kRows grid; xExtent and yExtent start again from 0.
    void Clear();

    // The record of c, or null; only the used extent is looked at.
    AtlHexData* GetHex(const AtlCoord& c) const;
    // Stores hex at c, destroying what the cell held; null empties the cell. Raises xExtent
    // and yExtent even for a hex outside the grid, whose record is then released.
    void SetHex(const AtlCoord& c, std::unique_ptr<AtlHexData> hex);

    void ClearSelection();
    int GetSelCount() const;
    // The first selected hex in row order, or (-1, -1) on this plain.
    AtlCoord GetSelectedCoord() const;

    // The cell index of c within the allocated grid, or -1 for a position the grid has no
    // cell for (negative x, x + y odd, beyond the grid).
    int CellIndex(const AtlCoord& c) const;
    AtlCoord CellCoord(int index) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int UsedColumns() const { return usedColumns_; }
    int UsedRows() const { return usedRows_; }
    int XExtent() const { return xExtent_; }
    int YExtent() const { return yExtent_; }
    int PlainIndex() const { return plainIndex_; }

private:
    // The first selected cell from index `from` on, in row order within the used extent; -1.
    int NextSelected(int from) const;

    std::vector<std::unique_ptr<AtlHexData>> cells_; // row-major, null where nothing is known
    int width_ = 0;
    int height_ = 0;
    int usedColumns_ = 0; // 1 + highest column ever stored
    int usedRows_ = 0;
    int xExtent_ = 0; // 1 + highest x ever offered
    int yExtent_ = 0;
    AtlMap* map_;
    int plainIndex_;
};
