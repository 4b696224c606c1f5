#pragma once
// The renderer's window as the run window sees it from outside: found by its
// title, asked whether it still answers, its process ended.

#include <windows.h>

#include <cstdint>

#include "saver/core/run_controller.h"

namespace velmora::saver {

// The top-level window titled as the run contract says; null when none is.
HWND FindRendererWindow();

// Sends `window` a null message and waits at most `limit_ms` for it to be
// taken; at once Unanswered when the platform already counts the window
// hung. A null or vanished window is WindowGone.
RendererAnswer AskWindow(HWND window, std::uint32_t limit_ms);

// Ends the process that made `window` and waits up to `wait_ms` for it to go.
// Nothing when the window is null or the process may not be ended.
void EndProcessOfWindow(HWND window, DWORD wait_ms);

}  // namespace velmora::saver
