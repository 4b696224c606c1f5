#include "renderer/win32/desktop_monitors.h"

#include <windows.h>

#include "platform_edge/win32/guarded_entry.h"
#include "system_dlls/win32/dpi_calls.h"

namespace velmora::renderer {
namespace {

// The monitor's refresh rate in its current mode; 0 where it cannot be told.
int RefreshRateOf(HMONITOR monitor) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    const bool told = GetMonitorInfoW(monitor, &info) != FALSE &&
                      EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode) != FALSE;
    return told ? static_cast<int>(mode.dmDisplayFrequency) : 0;
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT rect, LPARAM monitors) {
    return platform_edge::AnswerWithin(FALSE, [&] {
        reinterpret_cast<std::vector<Monitor>*>(monitors)->emplace_back(
            ScreenRect{rect->left, rect->top, rect->right, rect->bottom},
            system_dlls::MonitorDpi(monitor), RefreshRateOf(monitor));
        return TRUE;
    });
}

}  // namespace

std::vector<Monitor> ListedMonitors() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

Monitor PrimaryScreen() {
    HDC screen = GetDC(nullptr);
    const int refresh_hz = GetDeviceCaps(screen, VREFRESH);
    ReleaseDC(nullptr, screen);
    return Monitor(ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                   system_dlls::SystemDpi(), refresh_hz);
}

std::vector<Monitor> DesktopMonitors() {
    return MonitorsOrPrimary(ListedMonitors(), PrimaryScreen());
}

}  // namespace velmora::renderer
