#pragma once
// Asking the system for the foreground, again each second while it refuses.

#include <windows.h>

#include "renderer/core/foreground_pursuit.h"

namespace velmora::renderer {

// The timer of the next ask, on the renderer's window.
inline constexpr UINT_PTR kForegroundAskTimer = 1;

// The pursuit, made with the system's foreground lock timeout.
ForegroundPursuit SystemForegroundPursuit();

// Asks for the foreground for `window`, looks whether it came, and sets the
// timer of the next ask or ends it as `pursuit` decides.
void AskForForeground(HWND window, ForegroundPursuit& pursuit);

}  // namespace velmora::renderer
