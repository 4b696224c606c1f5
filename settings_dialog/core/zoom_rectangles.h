#pragma once
// The settings dialog's opening and closing animations: a caption rectangle
// that grows from the recorded mouse point to the dialog's rectangle, and
// shrinks back to that point when the dialog closes.

#include <cstdint>

#include "contract/screen_geometry.h"

namespace velmora::settings_dialog {

// The mouse position in screen pixels, recorded when the settings dialog
// loads (0, 0 until then); each coordinate within 16 bits (CursorPointFrom).
using CursorPoint = contract::ScreenPoint;

using contract::ScreenRect;

// The two ends of one animation.
struct ZoomRects {
    ScreenRect from;
    ScreenRect to;
};

// The cursor point as an empty rectangle.
ScreenRect CursorRect(CursorPoint cursor);

// Opening: from the point to the window; closing: back.
ZoomRects ZoomOpenRects(CursorPoint cursor, ScreenRect window);
ZoomRects ZoomCloseRects(CursorPoint cursor, ScreenRect window);

// The recorded point for a mouse position: each coordinate converted to 16
// bits; a coordinate outside that range records 0.
CursorPoint CursorPointFrom(std::int32_t x, std::int32_t y);

}  // namespace velmora::settings_dialog
