// The ends of the settings dialog's zoom animations.
#include <gtest/gtest.h>

#include "settings_dialog/core/zoom_rectangles.h"

namespace velmora::settings_dialog {
namespace {

TEST(ZoomRectangles, OpenGrowsFromTheCursorPointAndCloseShrinksBack) {
    const CursorPoint cursor{-20, 700};
    const ScreenRect window{272, 226, 751, 478};
    const ZoomRects open = ZoomOpenRects(cursor, window);
    EXPECT_EQ(open.from, (ScreenRect{-20, 700, -20, 700}));
    EXPECT_EQ(open.to, window);
    const ZoomRects close = ZoomCloseRects(cursor, window);
    EXPECT_EQ(close.from, window);
    EXPECT_EQ(close.to, open.from);
}

TEST(ZoomRectangles, CursorOutsideSixteenBitsRecordsZero) {
    const CursorPoint inside = CursorPointFrom(-32768, 32767);
    EXPECT_EQ(inside.x, -32768);
    EXPECT_EQ(inside.y, 32767);
    const CursorPoint outside = CursorPointFrom(40000, -40000);
    EXPECT_EQ(outside.x, 0);
    EXPECT_EQ(outside.y, 0);
}

}  // namespace
}  // namespace velmora::settings_dialog
