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

AtlHexData* AtlPlain::GetHex(const AtlCoord& c) const {
    auto it = hexes_.find(Key(c));
    return it == hexes_.end() ? nullptr : it->second.get();
}

void AtlPlain::SetHex(const AtlCoord& c, std::unique_ptr<AtlHexData> hex) {
    uint32_t key = Key(c);
    if (!hex) {
        hexes_.erase(key);
        selected_.erase(key);
        return;
    }
    if (!hex->Has(AtlHexData::HexPlaceholder)) {
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
    if (hex->Has(AtlHexData::HexSelected))
        selected_.insert(key);
    else
        selected_.erase(key);
    hexes_[key] = std::move(hex);
}

void AtlPlain::Select(const AtlCoord& c, bool select) {
    AtlHexData* hex = GetHex(c);
    if (select) {
        if (!hex) {
            auto placeholder = std::make_unique<AtlHexData>();
            placeholder->hexFlags = AtlHexData::HexPlaceholder;
            hex = placeholder.get();
            SetHex(c, std::move(placeholder));
        }
        hex->hexFlags |= AtlHexData::HexSelected;
        selected_.insert(Key(c));
    } else {
        if (!hex) return;
        hex->hexFlags &= ~AtlHexData::HexSelected;
        selected_.erase(Key(c));
        if (hex->Has(AtlHexData::HexPlaceholder)) SetHex(c, nullptr);
    }
}

void AtlPlain::ClearSelection() {
    // The map redraws each hex as it is deselected.
    std::vector<uint32_t> keys(selected_.begin(), selected_.end());
    for (uint32_t key : keys)
        map_->SelectHex(KeyCoord(key), false);
}

AtlCoord AtlPlain::GetSelectedCoord() const {
    return selected_.empty() ? AtlCoord(-1, -1, level_) : KeyCoord(*selected_.begin());
}

int AtlPlain::WrapWidth() const {
    int width = learnedWidth_ > 0 ? learnedWidth_ : kDefaultWidth;
    if (hasExtent_ && maxX_ >= width) width = (maxX_ + 2) / 2 * 2;
    return width;
}
