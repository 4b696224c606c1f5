#pragma once
// The settings dialog's opening and closing animations: a caption rectangle
// that grows from the recorded mouse point to the dialog's rectangle, and
// shrinks back to that point when the dialog closes.

#include <cstdint>

namespace velmora::settings_dialog {

// The mouse position in screen pixels, recorded when the settings dialog
// loads (0, 0 until then).
struct CursorPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

struct ScreenRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

// The two ends of one animation.
struct ZoomRects {
    ScreenRect from;
    ScreenRect to;
};

// The cursor point as an empty rectangle (each value widened to 32 bits).
ScreenRect CursorRect(CursorPoint cursor);

// Opening: from the point to the window; closing: back.
ZoomRects ZoomOpenRects(CursorPoint cursor, ScreenRect window);
ZoomRects ZoomCloseRects(CursorPoint cursor, ScreenRect window);

// The recorded point for a mouse position: each coordinate converted to 16
// bits; a coordinate outside that range records 0.
CursorPoint CursorPointFrom(std::int32_t x, std::int32_t y);

}  // namespace velmora::settings_dialog
