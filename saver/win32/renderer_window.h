#pragma once
// The renderer's window as the run window sees it from outside: found by its
// title, its process ended.

#include <windows.h>

namespace velmora::saver {

// The top-level window titled as the run contract says; null when none is.
HWND FindRendererWindow();

// Ends the process that made `window` and waits up to `wait_ms` for it to go.
// Nothing when the window is null or the process may not be ended.
void EndProcessOfWindow(HWND window, DWORD wait_ms);

}  // namespace velmora::saver
