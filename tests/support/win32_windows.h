// Windows and message pumping for the Win32 tests: one pump and one kind of
// host window for every suite and test program that puts something on the
// screen.
#pragma once

#include <windows.h>

#include <functional>

#include "platform_edge/win32/system_cursors.h"
#include "platform_edge/win32/window_owner.h"

namespace velmora::testing {

// Runs the thread's messages for about `milliseconds` (at least one round).
// A WM_QUIT ends the pump early and is put back for whoever looks for it;
// the result tells whether one came.
inline bool PumpMessages(DWORD milliseconds = 0) {
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

// A window that hosts what a test puts on the screen: filled with one colour
// (also when a control asks it to print itself behind a transparent face), a
// control parent so that tab order and dialog keys reach nested controls, and
// every WM_COMMAND handed to `on_command`.
class HostWindow {
  public:
    // A top-level window (parent null) or a child of `parent`.
    HostWindow(HWND parent, RECT place, COLORREF background, DWORD style,
               const char* title = "host")
        : background_(background) {
        static const ATOM kRegistered = [] {
            WNDCLASSA host_class{};
            host_class.lpfnWndProc = Proc;
            host_class.hInstance = GetModuleHandleA(nullptr);
            host_class.hCursor = platform_edge::ArrowCursor();
            host_class.lpszClassName = "VelmoraTestHost";
            return RegisterClassA(&host_class);
        }();
        (void)kRegistered;
        window_ = CreateWindowExA(WS_EX_CONTROLPARENT, "VelmoraTestHost", title, style, place.left,
                                  place.top, place.right - place.left, place.bottom - place.top,
                                  parent, nullptr, GetModuleHandleA(nullptr), this);
    }
    ~HostWindow() {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return window_; }

    std::function<void(WPARAM, LPARAM)> on_command;
    bool quit_when_destroyed = false;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        auto* self = platform_edge::OwnerOf<HostWindow>(window, message, lparam);
        if (self == nullptr) {
            return DefWindowProcA(window, message, wparam, lparam);
        }
        switch (message) {
            case WM_COMMAND:
                if (self->on_command) {
                    self->on_command(wparam, lparam);
                }
                return 0;
            case WM_ERASEBKGND:
            case WM_PRINTCLIENT: {
                RECT rect;
                GetClientRect(window, &rect);
                HBRUSH brush = CreateSolidBrush(self->background_);
                FillRect(reinterpret_cast<HDC>(wparam), &rect, brush);
                DeleteObject(brush);
                return 1;
            }
            case WM_DESTROY:
                if (self->quit_when_destroyed) {
                    PostQuitMessage(0);
                }
                return 0;
            default:
                return DefWindowProcA(window, message, wparam, lparam);
        }
    }

    HWND window_ = nullptr;
    COLORREF background_;
};

}  // namespace velmora::testing
