#include "map/atlmap.h"

#include "map/mapviewsink.h"
#include "model/levelwidths.h"

#include <algorithm>

AtlMap::AtlMap(MapViewSink* view) : view_(view) {
    Plain(0);
}

void AtlMap::Clear() {
    plains_.clear();
    sameMonth_.clear();
    Plain(0);
}

void AtlMap::SetLearnedWidths(const LevelWidths& widths) {
    learnedWidths_ = widths.All();
    for (auto& [z, plain] : plains_)
        plain->SetLearnedWidth(widths.Width(z));
}

void AtlMap::ClearSelection() {
    for (auto& [z, plain] : plains_)
        plain->ClearSelection();
}

int AtlMap::GetSelCount() const {
    int count = 0;
    for (const auto& [z, plain] : plains_)
        count += plain->GetSelCount();
    return count;
}

AtlCoord AtlMap::GetSelectedCoord() const {
    const AtlPlain* first = nullptr;
    for (const auto& [z, plain] : plains_)
        if (plain->GetSelCount() > 0 && (!first || LevelRank(z) < LevelRank(first->Level())))
            first = plain.get();
    return first ? first->GetSelectedCoord() : AtlCoord(-1, -1, 1);
}

std::vector<AtlCoord> AtlMap::SelectedHexes() const {
    std::vector<AtlCoord> hexes;
    for (const auto& [z, plain] : plains_)
        if (plain->GetSelCount() == 1) hexes.push_back(plain->GetSelectedCoord());
    return hexes;
}

const AtlHexData* AtlMap::GetHex(const AtlCoord& c) const {
    const AtlPlain* plain = GetPlain(c.z);
    return plain ? plain->GetHex(c) : nullptr;
}

AtlHexData* AtlMap::GetHex(const AtlCoord& c) {
    AtlPlain* plain = GetPlain(c.z);
    return plain ? plain->GetHex(c) : nullptr;
}

void AtlMap::RemoveHex(const AtlCoord& c) {
    if (AtlPlain* plain = GetPlain(c.z)) plain->RemoveHex(c);
}

void AtlMap::SelectHex(const AtlCoord& c, bool select) {
    const AtlHexData* hex = GetHex(c);
    bool was = hex && hex->Has(AtlHexData::HexSelected);
    if (!select && !hex) return;
    Plain(c.z).Select(c, select);
    if (was != select) Invalidate(c);
}

AtlPlain* AtlMap::GetPlain(int z) {
    auto it = plains_.find(z);
    return it == plains_.end() ? nullptr : it->second.get();
}

const AtlPlain* AtlMap::GetPlain(int z) const {
    auto it = plains_.find(z);
    return it == plains_.end() ? nullptr : it->second.get();
}

AtlPlain& AtlMap::Plain(int z) {
    auto& plain = plains_[z];
    if (!plain) {
        plain = std::make_unique<AtlPlain>(this, z);
        auto width = learnedWidths_.find(z);
        if (width != learnedWidths_.end()) plain->SetLearnedWidth(width->second);
    }
    return *plain;
}

std::vector<int> AtlMap::Levels() const {
    std::vector<int> levels;
    for (const auto& entry : plains_)
        levels.push_back(entry.first);
    return levels;
}

std::vector<int> AtlMap::ShownLevels() const {
    std::vector<int> levels;
    for (const auto& [z, plain] : plains_)
        if (z == 0 || plain->HasKnownHexes()) levels.push_back(z);
    std::sort(levels.begin(), levels.end(),
              [](int a, int b) { return LevelRank(a) < LevelRank(b); });
    return levels;
}

void AtlMap::Invalidate(const AtlCoord& c) const {
    if (view_) view_->InvalidateHex(c);
}
