#pragma once
// Points and rectangles on the desktop in the platform's screen coordinates,
// as both programs count them: the primary monitor's top-left corner is the
// origin, and monitors left of or above it have negative coordinates.

#include <cstdint>

namespace velmora::contract {

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const ScreenPoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const ScreenPoint& other) const { return !(*this == other); }
};

// Right and bottom are exclusive.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const ScreenRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    bool operator!=(const ScreenRect& other) const { return !(*this == other); }
};

}  // namespace velmora::contract
