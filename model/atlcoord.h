#pragma once

#include "base/str.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>

struct AtlDirection {
    // In the order of the report's word table, not clockwise.
    enum Type { North = 0, Northeast, Northwest, South, Southeast, Southwest };
};

// A hex position: the report's doubled-row x and y, and the level (0 surface, 1 underworld,
// 2 nexus, 3 and up deeper levels). Also the key of every table by hex: it orders by level,
// then y, then x (the order regions are listed and written in), and hashes (std::hash below).
class AtlCoord {
public:
    AtlCoord() = default;
    AtlCoord(int x, int y, int z = 0)
        : x(static_cast<int16_t>(x)), y(static_cast<int16_t>(y)), z(static_cast<uint8_t>(z)) {}

    bool operator==(const AtlCoord&) const = default;
    std::strong_ordering operator<=>(const AtlCoord& other) const {
        return Packed() <=> other.Packed();
    }
    // The three in one number that orders as the coordinates do: the sign bits are turned so
    // that negative x and y come first.
    uint64_t Packed() const {
        return static_cast<uint64_t>(z) << 32 |
               static_cast<uint64_t>(static_cast<uint16_t>(y) ^ 0x8000u) << 16 |
               (static_cast<uint16_t>(x) ^ 0x8000u);
    }
    // Steps one hex in the direction and returns the result; other values change nothing.
    AtlCoord Move(AtlDirection::Type direction);
    // "(10,12)", "(3,-4,underworld)", "(0,0,nexus)", "(3,5,deep underworld)"; a level above
    // 7 is "<unknown>".
    Str GetString() const;

    int16_t x = 0;
    int16_t y = 0;
    uint8_t z = 0;
};

template <> struct std::hash<AtlCoord> {
    size_t operator()(const AtlCoord& c) const noexcept {
        return std::hash<uint64_t>()(c.Packed());
    }
};
