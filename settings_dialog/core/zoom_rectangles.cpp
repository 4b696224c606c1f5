#include "settings_dialog/core/zoom_rectangles.h"

#include <limits>

namespace velmora::settings_dialog {

namespace {

// The value where 16 bits hold it, else 0.
std::int32_t Within16Bits(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    return value;
}

}  // namespace

ScreenRect CursorRect(CursorPoint cursor) {
    return {cursor.x, cursor.y, cursor.x, cursor.y};
}

ZoomRects ZoomOpenRects(CursorPoint cursor, ScreenRect window) {
    return {CursorRect(cursor), window};
}

ZoomRects ZoomCloseRects(CursorPoint cursor, ScreenRect window) {
    return {window, CursorRect(cursor)};
}

CursorPoint CursorPointFrom(std::int32_t x, std::int32_t y) {
    return {Within16Bits(x), Within16Bits(y)};
}

}  // namespace velmora::settings_dialog
