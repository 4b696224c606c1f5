#pragma once
// The saver window's state and the cursor position the mouse rule compares with.

#include <cstdint>

namespace velmora::renderer {

struct CursorPos {
    int32_t x = 0;
    int32_t y = 0;
};

// City-block cursor movement above which the saver ends.
constexpr int32_t kMouseMoveThreshold = 4;

// The saver window's state; one per process, touched only by the GUI thread.
struct HostState {
    CursorPos last_cursor_pos;
    bool first_move_seen = false;
    bool close_requested = false;
    bool password_prompt_active = false;
    bool drawing_ready = false;
};

}  // namespace velmora::renderer
