#pragma once
// The renderer's host: its window, message loop and frames.

#include <windows.h>

namespace velmora::renderer {

// The renderer program: registers its window's class, creates the
// topmost full-screen window and runs its message loop, drawing a frame
// whenever the queue is empty. Returns the exit code (always 0).
int RunRenderer(HINSTANCE instance);

}  // namespace velmora::renderer
