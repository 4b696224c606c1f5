// Windows and message pumping for the Win32 tests: one pump and one kind of
// host window for every suite that puts something on the screen.
#pragma once

#include <windows.h>

namespace velmora::testing {

// Runs the thread's messages for about `milliseconds` (at least one round).
// A WM_QUIT ends the pump early and is put back for whoever looks for it;
// the result tells whether one came.
inline bool PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return true;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
    return false;
}

// Drops every message waiting in the thread's queue.
inline void DropMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

// A visible top-level popup that hosts what a test puts on the screen. The
// class is registered at the first call for its name.
inline HWND MakeHostWindow(const char* class_name, int x, int y, int width, int height,
                           WNDPROC procedure = DefWindowProcA, HBRUSH background = nullptr) {
    WNDCLASSA host_class{};
    host_class.lpfnWndProc = procedure;
    host_class.hInstance = GetModuleHandleA(nullptr);
    host_class.hbrBackground = background;
    host_class.lpszClassName = class_name;
    RegisterClassA(&host_class);
    return CreateWindowExA(0, class_name, "host", WS_POPUP | WS_VISIBLE, x, y, width, height,
                           nullptr, nullptr, host_class.hInstance, nullptr);
}

}  // namespace velmora::testing
