// Runs the calling thread's messages, for Win32 tests that wait on timers,
// posted messages or the first paint of a window.
#pragma once

#include <windows.h>

namespace velmora::testing {

// Dispatches whatever is queued, and goes on doing so for `milliseconds`.
inline void PumpMessages(DWORD milliseconds = 0) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start >= milliseconds) {
            return;
        }
        Sleep(10);
    }
}

}  // namespace velmora::testing
