#include "settings_dialog/core/zoom_rectangles.h"

#include <limits>

namespace velmora::settings_dialog {

namespace {

std::int16_t To16(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    return static_cast<std::int16_t>(value);
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
    return {To16(x), To16(y)};
}

}  // namespace velmora::settings_dialog
