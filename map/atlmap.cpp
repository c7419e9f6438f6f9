#include "map/atlmap.h"

#include "map/mapviewsink.h"

#include <algorithm>

void AtlMap::Clear() {
    surface_.Clear();
    underworld_.Clear();
}

void AtlMap::ClearSelection() {
    surface_.ClearSelection();
    underworld_.ClearSelection();
}

int AtlMap::GetSelCount() const {
    return surface_.GetSelCount() + underworld_.GetSelCount();
}

AtlCoord AtlMap::GetSelectedCoord() const {
    AtlCoord c = surface_.GetSelectedCoord();
    return c.x != -1 ? c : underworld_.GetSelectedCoord();
}

int AtlMap::XExtent() const {
    return std::max({surface_.XExtent(), underworld_.XExtent(), 0});
}

int AtlMap::YExtent() const {
    return std::max({surface_.YExtent(), underworld_.YExtent(), 0});
}

AtlHexData* AtlMap::GetHex(const AtlCoord& c) const {
    const AtlPlain* plain = GetPlain(c.z);
    return plain ? plain->GetHex(c) : nullptr;
}

void AtlMap::SetHex(const AtlCoord& c, std::unique_ptr<AtlHexData> hex) {
    if (AtlPlain* plain = GetPlain(c.z)) plain->SetHex(c, std::move(hex));
}

void AtlMap::SelectHex(const AtlCoord& c, bool select) {
    AtlHexData* hex = GetHex(c);
    if (select) {
        if (!hex) {
            auto placeholder = std::make_unique<AtlHexData>();
            placeholder->hexFlags = AtlHexData::HexPlaceholder;
            SetHex(c, std::move(placeholder));
            hex = GetHex(c);
            if (!hex) return; // the grid has no cell for c
        }
        if (!hex->Has(AtlHexData::HexSelected)) Invalidate(c);
        hex->hexFlags |= AtlHexData::HexSelected;
    } else {
        if (!hex) return;
        if (hex->Has(AtlHexData::HexSelected)) Invalidate(c);
        hex->hexFlags &= ~AtlHexData::HexSelected;
        if (hex->Has(AtlHexData::HexPlaceholder)) SetHex(c, nullptr);
    }
}

void AtlMap::Invalidate(const AtlCoord& c) const {
    if (view_) view_->InvalidateHex(c);
}
