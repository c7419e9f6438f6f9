#pragma once

#include <cstdint>

// An opaque colour.
struct GrafColor {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const GrafColor&) const = default;
};
