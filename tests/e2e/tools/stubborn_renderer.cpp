// A renderer that keeps the screen after input, as one does behind a
// driver's message box or one that missed the input: it holds the renderer's
// running lock, covers the screen with a topmost window under the renderer's
// title, answers every message and refuses to close. Put beside Velmora.scr
// under the renderer's file name, it is what Velmora.scr starts for a run.
#include <windows.h>

#include "contract/run_contract.h"
#include "platform_edge/win32/named_lock.h"

namespace {

LRESULT CALLBACK StubbornProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CLOSE) {
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (velmora::platform_edge::HeldElsewhere(velmora::contract::kRendererRunningLock,
                                              velmora::platform_edge::LockUse::Hold)) {
        return 0;
    }
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = StubbornProc;
    window_class.hInstance = instance;
    window_class.hbrBackground = CreateSolidBrush(RGB(200, 40, 160));
    window_class.lpszClassName = "VelmoraStubbornRenderer";
    RegisterClassA(&window_class);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, window_class.lpszClassName,
                                  velmora::contract::kRendererWindowTitle, WS_POPUP | WS_VISIBLE, 0,
                                  0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
