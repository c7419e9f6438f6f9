#include "map/atlplain.h"

#include "map/atlmap.h"

#include <algorithm>
#include <vector>

void AtlPlain::Clear() {
    hexes_.clear();
    selected_.clear();
    hasExtent_ = false;
    minX_ = maxX_ = minY_ = maxY_ = 0;
}

const AtlHexData* AtlPlain::GetHex(const AtlCoord& c) const {
    auto it = hexes_.find(Key(c));
    return it == hexes_.end() ? nullptr : &it->second;
}

AtlHexData* AtlPlain::GetHex(const AtlCoord& c) {
    auto it = hexes_.find(Key(c));
    return it == hexes_.end() ? nullptr : &it->second;
}

void AtlPlain::SetHex(const AtlCoord& c, const AtlHexData& hex) {
    AtlCoord key = Key(c);
    if (!hex.Has(AtlHexData::HexPlaceholder)) {
        if (!hasExtent_) {
            minX_ = maxX_ = c.x;
            minY_ = maxY_ = c.y;
            hasExtent_ = true;
        }
        minX_ = std::min<int>(minX_, c.x);
        maxX_ = std::max<int>(maxX_, c.x);
        minY_ = std::min<int>(minY_, c.y);
        maxY_ = std::max<int>(maxY_, c.y);
    }
    if (hex.Has(AtlHexData::HexSelected))
        selected_.insert(key);
    else
        selected_.erase(key);
    hexes_.insert_or_assign(key, hex);
}

void AtlPlain::RemoveHex(const AtlCoord& c) {
    hexes_.erase(Key(c));
    selected_.erase(Key(c));
}

void AtlPlain::Select(const AtlCoord& c, bool select) {
    AtlHexData* hex = GetHex(c);
    if (select) {
        if (!hex) {
            AtlHexData placeholder;
            placeholder.hexFlags = AtlHexData::HexPlaceholder;
            SetHex(c, placeholder);
            hex = GetHex(c);
        }
        hex->hexFlags |= AtlHexData::HexSelected;
        selected_.insert(Key(c));
    } else {
        if (!hex) return;
        hex->hexFlags &= ~AtlHexData::HexSelected;
        selected_.erase(Key(c));
        if (hex->Has(AtlHexData::HexPlaceholder)) RemoveHex(c);
    }
}

void AtlPlain::ClearSelection() {
    // The map redraws each hex as it is deselected.
    std::vector<AtlCoord> selected(selected_.begin(), selected_.end());
    for (const AtlCoord& c : selected)
        map_->SelectHex(c, false);
}

AtlCoord AtlPlain::GetSelectedCoord() const {
    return selected_.empty() ? AtlCoord(-1, -1, level_) : *selected_.begin();
}

int AtlPlain::WrapWidth() const {
    int width = learnedWidth_ > 0 ? learnedWidth_ : kDefaultWidth;
    if (hasExtent_ && maxX_ >= width) width = (maxX_ + 2) / 2 * 2;
    return width;
}
