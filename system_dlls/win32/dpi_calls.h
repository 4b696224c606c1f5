#pragma once
// The DPI calls of newer Windows, each looked up once in the system folder.
// Where a call is missing (Windows before 8.1 or 10), the system's one DPI
// stands for a monitor's, and a window's is not told; where the awareness calls are
// missing, windows are made as they always were.

#include <windows.h>

namespace velmora::system_dlls {

// The screen's dots per inch as the system tells every program (LOGPIXELSY).
int SystemDpi();

// The effective DPI of a monitor (shcore GetDpiForMonitor, Windows 8.1 on);
// where it is not told, the system's DPI.
int MonitorDpi(HMONITOR monitor);

// The DPI a window is drawn for (GetDpiForWindow, Windows 10 1607 on); 0 when
// it is not told.
int WindowDpi(HWND window);

// The outer rectangle of a window whose client area is `client`, with the
// frame's metrics at `dpi` where Windows can tell them (AdjustWindowRectExForDpi),
// else at the system's.
RECT FrameAround(RECT client, DWORD style, DWORD ex_style, int dpi);

// While it lives, the windows this thread makes take the DPI awareness of
// `window` (Windows 10 1607 on); the thread's own awareness comes back at its
// end. Nothing changes where the calls are missing or the window's awareness
// cannot be read.
class AwarenessOfWindow {
  public:
    explicit AwarenessOfWindow(HWND window);
    AwarenessOfWindow(const AwarenessOfWindow&) = delete;
    AwarenessOfWindow& operator=(const AwarenessOfWindow&) = delete;
    ~AwarenessOfWindow();

  private:
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

}  // namespace velmora::system_dlls
