#pragma once

#include "base/str.h"

#include <cstdint>

struct AtlDirection {
    // In the order of the report's word table, not clockwise.
    enum Type { North = 0, Northeast, Northwest, South, Southeast, Southwest };
};

// A hex position: the report's doubled-row x and y, and the level (0 surface, 1 underworld,
// 2 nexus, 3 and up deeper levels).
class AtlCoord {
public:
    AtlCoord() = default;
    AtlCoord(int x, int y, int z = 0)
        : x(static_cast<int16_t>(x)), y(static_cast<int16_t>(y)), z(static_cast<uint8_t>(z)) {}

    bool operator==(const AtlCoord&) const = default;
    // Steps one hex in the direction and returns the result; other values change nothing.
    AtlCoord Move(AtlDirection::Type direction);
    // "(10,12)", "(3,-4,underworld)", "(0,0,nexus)", "(3,5,deep underworld)"; a level above
    // 7 is "<unknown>".
    Str GetString() const;

    int16_t x = 0;
    int16_t y = 0;
    uint8_t z = 0;
};
