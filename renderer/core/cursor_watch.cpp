#include "renderer/core/cursor_watch.h"

namespace velmora::renderer {

bool WindowCoversDesktop(const ScreenRect& window, const DesktopShape& desktop) {
    return window.left <= desktop.left && window.top <= desktop.top &&
           window.right >= desktop.right && window.bottom >= desktop.bottom;
}

bool CursorWatch::MovedBeyond(ScreenPoint now, const ScreenRect& window) {
    const bool moved = last_ && (last_->x != now.x || last_->y != now.y);
    last_ = now;
    const bool beyond = now.x < window.left || now.x >= window.right || now.y < window.top ||
                        now.y >= window.bottom;
    return moved && beyond;
}

}  // namespace velmora::renderer
