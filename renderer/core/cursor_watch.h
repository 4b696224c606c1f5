#pragma once
// The cursor beyond the renderer's window, where the picture does not cover the whole desktop.

#include <cstdint>
#include <optional>

#include "renderer/core/desktop_layout.h"
#include "renderer/core/host_state.h"

namespace velmora::renderer {

// How often the cursor is looked at while it must be watched.
constexpr uint32_t kCursorWatchIntervalMs = 100;

// Whether the window covers every monitor the cursor can reach. Where it does
// not (the GL cannot draw so large a window, and the picture fell back to the
// primary monitor), the window gets no messages of the cursor moving beyond
// it, so the cursor has to be watched.
bool WindowCoversDesktop(const ScreenRect& window, const DesktopShape& desktop);

// Looks at the cursor while it is watched. A look is a move for the
// mouse-move rule when it finds the cursor beyond the window and not where
// the previous look found it; over the window its own messages tell.
class CursorWatch {
  public:
    bool MovedBeyond(ScreenPoint now, const ScreenRect& window);

  private:
    std::optional<ScreenPoint> last_;
};

}  // namespace velmora::renderer
