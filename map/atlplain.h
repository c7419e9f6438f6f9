#pragma once

#include "map/hexdata.h"
#include "model/atlcoord.h"

#include <algorithm>
#include <set>
#include <unordered_map>
#include <vector>

class AtlMap;

// One level of the world: the hexes known on it, any 16-bit coordinates, held sparsely so
// that memory follows what is known rather than the largest coordinate. Also the level's
// width east to west, as far as the reports showed it, and its selection.
class AtlPlain {
public:
    // The width of a level no exit has shown across the world's edge.
    static constexpr int kDefaultWidth = 64;

    AtlPlain(AtlMap* map, int level) : map_(map), level_(level) {}
    AtlPlain(const AtlPlain&) = delete;
    AtlPlain& operator=(const AtlPlain&) = delete;

    // Forgets every hex, the selection and the extents; the learned width stays.
    void Clear();

    // The record of c (its level is not looked at), or null.
    const AtlHexData* GetHex(const AtlCoord& c) const;
    AtlHexData* GetHex(const AtlCoord& c);
    // Stores hex at c in place of what was there. Known hexes widen the extents; a selection
    // placeholder does not.
    void SetHex(const AtlCoord& c, const AtlHexData& hex);
    void RemoveHex(const AtlCoord& c);
    size_t HexCount() const { return hexes_.size(); }
    // Calls f(coord, hex) for every stored hex, in no particular order.
    template <class F> void ForEachHex(F f) const {
        for (const auto& [c, hex] : hexes_)
            f(c, hex);
    }
    // The same by rows from the north, west to east within a row.
    template <class F> void ForEachHexInRowOrder(F f) const {
        std::vector<const Hexes::value_type*> rows;
        rows.reserve(hexes_.size());
        for (const auto& entry : hexes_)
            rows.push_back(&entry);
        std::sort(rows.begin(), rows.end(), [](auto a, auto b) { return a->first < b->first; });
        for (const auto* entry : rows)
            f(entry->first, entry->second);
    }

    // Selection of this level: the selected hexes in row order.
    void Select(const AtlCoord& c, bool select);
    void ClearSelection();
    int GetSelCount() const { return static_cast<int>(selected_.size()); }
    // The first selected hex in row order, or (-1, -1) on this level.
    AtlCoord GetSelectedCoord() const;

    // Whether a known hex (not only a placeholder) was ever stored since the last Clear.
    bool HasKnownHexes() const { return hasExtent_; }
    // The smallest and largest x and y of the known hexes; 0 while there are none.
    int MinX() const { return minX_; }
    int MaxX() const { return maxX_; }
    int MinY() const { return minY_; }
    int MaxY() const { return maxY_; }
    // 1 + the largest x or y known, at least 0: the columns and rows the level takes.
    int XExtent() const { return hasExtent_ ? maxX_ + 1 : 0; }
    int YExtent() const { return hasExtent_ ? maxY_ + 1 : 0; }

    // The width the reports showed (0: none showed it).
    int LearnedWidth() const { return learnedWidth_; }
    void SetLearnedWidth(int width) { learnedWidth_ = width > 0 ? width : 0; }
    // The width the level wraps at: the learned one, else kDefaultWidth; widened (to an even
    // number) where a known hex lies further east, so that no hex is ever left out.
    int WrapWidth() const;

    int Level() const { return level_; }

private:
    // Every hex is kept under its coordinate on this level, whatever level a caller's says:
    // within one level the coordinates order by rows, as the selection is kept.
    AtlCoord Key(const AtlCoord& c) const { return AtlCoord(c.x, c.y, level_); }

    using Hexes = std::unordered_map<AtlCoord, AtlHexData>;
    Hexes hexes_;
    std::set<AtlCoord> selected_;
    bool hasExtent_ = false;
    int minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
    int learnedWidth_ = 0;
    AtlMap* map_;
    int level_;
};
