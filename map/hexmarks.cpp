#include "map/hexmarks.h"

#include <algorithm>

void HexMarks::Set(MarkKind kind, std::vector<AtlCoord> hexes) {
    std::sort(hexes.begin(), hexes.end());
    hexes.erase(std::unique(hexes.begin(), hexes.end()), hexes.end());
    hexes_[static_cast<int>(kind)] = std::move(hexes);
}

bool HexMarks::Has(MarkKind kind, const AtlCoord& c) const {
    const std::vector<AtlCoord>& hexes = Of(kind);
    return std::binary_search(hexes.begin(), hexes.end(), c);
}

bool HexMarks::IsEmpty() const {
    return std::all_of(hexes_.begin(), hexes_.end(), [](const auto& h) { return h.empty(); });
}
