#pragma once
// The renderer window's state and the cursor position the mouse rule compares with.

#include <cstdint>

#include "contract/screen_geometry.h"

namespace velmora::renderer {

using contract::ScreenPoint;

// The desktop the cursor moves over: the bounds of all monitors and how many
// there are. When it changes, the platform may move the cursor with it.
struct DesktopShape {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t monitor_count = 0;

    bool operator==(const DesktopShape& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom && monitor_count == other.monitor_count;
    }
    bool operator!=(const DesktopShape& other) const { return !(*this == other); }
};

// The renderer window's state; one per process, touched only by the GUI thread.
struct HostState {
    ScreenPoint last_cursor_pos;
    // The desktop `last_cursor_pos` was taken on.
    DesktopShape cursor_desktop;
    bool first_move_seen = false;
    bool close_requested = false;
    bool password_prompt_active = false;
    bool drawing_ready = false;
    // The window is being or has been destroyed: its own quit is on the way.
    bool window_destroyed = false;
};

}  // namespace velmora::renderer
