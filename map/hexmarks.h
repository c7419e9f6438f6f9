#pragma once

#include "model/atlcoord.h"

#include <array>
#include <cstdint>
#include <vector>

// Hexes set apart on the map for a while, each kind drawn in a colour of its own: the hexes
// that changed in the turn on show while the list of changes is open, and the hexes of a
// chosen faction's units until the choice is cleared. Kept sorted so that painting a hex asks
// in a binary search.
enum class MarkKind : uint8_t { Changes, Faction };

class HexMarks {
public:
    static constexpr int kKinds = 2;

    // Replaces the hexes of kind (in any order; each kept once).
    void Set(MarkKind kind, std::vector<AtlCoord> hexes);
    void Clear(MarkKind kind) { Set(kind, {}); }
    const std::vector<AtlCoord>& Of(MarkKind kind) const { return hexes_[static_cast<int>(kind)]; }
    bool Has(MarkKind kind, const AtlCoord& c) const;
    bool IsEmpty() const;

private:
    std::array<std::vector<AtlCoord>, kKinds> hexes_;
};
