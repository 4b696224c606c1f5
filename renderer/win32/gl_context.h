#pragma once
// The window's pixel format, swap interval and buffer swaps through WGL.

#include <windows.h>

namespace velmora::renderer {

// Picks the best-scoring double-buffered RGBA OpenGL format of the device
// context and sets it; without one, the system's closest match to the
// fallback description. False when no format could be set.
bool SetBestPixelFormat(HDC device_context);

// Sets the pixel format, makes a GL context on the device context and makes
// it current. Null when any step fails (nothing is left current then).
HGLRC MakeCurrentGlContext(HDC device_context);

// Lets a buffer swap wait for `interval` refreshes of the display where the
// driver lists WGL_EXT_swap_control; interval 0 lets frames run free. Needs a
// context current on `device_context`. False when the driver has no such
// control.
bool SetSwapInterval(HDC device_context, int interval);

// Shows the frame drawn in the back buffer (gdi32's SwapBuffers, the call
// every double-buffered pixel format is documented for).
void PresentBackBuffer(HDC device_context);

}  // namespace velmora::renderer
