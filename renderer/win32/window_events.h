#pragma once
// Window messages as the events of the renderer window's rules.

#include <windows.h>

#include "renderer/core/window_rules.h"

namespace velmora::renderer {

// The window message as one of the events the renderer window's rules know
// (its kind and system command; the caller adds the cursor), or false when
// the rules have nothing to say about it and the system's default handling
// is all it gets. A key or button comes both as its own message and as raw
// input (WM_INPUT), which arrives whether or not the window is active.
bool EventForMessage(UINT message, WPARAM wparam, LPARAM lparam, WindowEvent& event);

}  // namespace velmora::renderer
