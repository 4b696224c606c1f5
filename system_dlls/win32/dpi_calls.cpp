#include "system_dlls/win32/dpi_calls.h"

#include "system_dlls/win32/load_system_dll.h"

namespace velmora::system_dlls {

namespace {

template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(OptionalSystemFunction(L"user32.dll", name));
}

using SetThreadAwareness = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

SetThreadAwareness SetThreadAwarenessCall() {
    static const auto kCall = User32Function<SetThreadAwareness>("SetThreadDpiAwarenessContext");
    return kCall;
}

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int MonitorDpi(HMONITOR monitor) {
    using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    static const auto kCall =
        reinterpret_cast<DpiForMonitor>(OptionalSystemFunction(L"shcore.dll", "GetDpiForMonitor"));
    UINT dpi_x = 0;
    UINT dpi_y = 0;
    if (kCall == nullptr || monitor == nullptr ||
        FAILED(kCall(monitor, kEffectiveDpi, &dpi_x, &dpi_y)) || dpi_y == 0) {
        return SystemDpi();
    }
    return static_cast<int>(dpi_y);
}

int WindowDpi(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto kCall = User32Function<DpiForWindow>("GetDpiForWindow");
    return kCall != nullptr && window != nullptr ? static_cast<int>(kCall(window)) : 0;
}

RECT FrameAround(RECT client, DWORD style, DWORD ex_style, int dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto kCall = User32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT frame = client;
    if (kCall == nullptr || dpi <= 0 ||
        kCall(&frame, style, FALSE, ex_style, static_cast<UINT>(dpi)) == FALSE) {
        frame = client;
        AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    }
    return frame;
}

AwarenessOfWindow::AwarenessOfWindow(HWND window) {
    using WindowAwareness = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
    static const auto kWindowAwareness =
        User32Function<WindowAwareness>("GetWindowDpiAwarenessContext");
    const SetThreadAwareness set_thread_awareness = SetThreadAwarenessCall();
    if (kWindowAwareness == nullptr || set_thread_awareness == nullptr) {
        return;
    }
    const DPI_AWARENESS_CONTEXT awareness = kWindowAwareness(window);
    if (awareness != nullptr) {
        previous_ = set_thread_awareness(awareness);
    }
}

AwarenessOfWindow::~AwarenessOfWindow() {
    if (previous_ != nullptr) {
        SetThreadAwarenessCall()(previous_);
    }
}

}  // namespace velmora::system_dlls
