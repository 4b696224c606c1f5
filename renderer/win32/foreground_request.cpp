#include "renderer/win32/foreground_request.h"

namespace velmora::renderer {

ForegroundPursuit SystemForegroundPursuit() {
    DWORD lock_timeout_ms = 0;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &lock_timeout_ms, 0);
    return ForegroundPursuit(lock_timeout_ms);
}

void AskForForeground(HWND window, ForegroundPursuit& pursuit) {
    // Workaround (Windows): the foreground lock may refuse a process the
    // foreground and flash the window's taskbar button instead, so whether
    // the window came to the foreground is looked at and asked again.
    SetForegroundWindow(window);
    if (pursuit.AskAgain(GetForegroundWindow() == window)) {
        SetTimer(window, kForegroundAskTimer, kForegroundAskIntervalMs, nullptr);
    } else {
        KillTimer(window, kForegroundAskTimer);
    }
}

}  // namespace velmora::renderer
