#include "renderer/win32/window_events.h"

#include "renderer/win32/background_input.h"

namespace velmora::renderer {

bool EventForMessage(UINT message, WPARAM wparam, LPARAM lparam, WindowEvent& event) {
    switch (message) {
        case WM_CREATE:
            event.kind = WindowEventKind::Created;
            break;
        case WM_DESTROY:
            event.kind = WindowEventKind::Destroyed;
            break;
        case WM_CLOSE:
            event.kind = WindowEventKind::CloseRequested;
            break;
        case WM_SHOWWINDOW:
            if (wparam == 0) {
                return false;
            }
            event.kind = WindowEventKind::Shown;
            break;
        case WM_SETCURSOR:
            event.kind = WindowEventKind::CursorNeeded;
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            event.kind = WindowEventKind::KeyPressed;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            event.kind = WindowEventKind::ButtonPressed;
            break;
        case WM_ACTIVATEAPP:
            if (wparam != 0) {
                return false;
            }
            event.kind = WindowEventKind::Deactivated;
            break;
        case WM_INPUT: {
            // Workaround (Windows): keys and buttons go to the window with the
            // focus, which the foreground lock may keep from the renderer; as
            // raw input they reach the window even then.
            RawInputRecord record;
            return ReadRawInput(lparam, record) && EventForRawInput(record, event.kind);
        }
        case WM_MOUSEMOVE:
            event.kind = WindowEventKind::MouseMoved;
            break;
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            event.kind = WindowEventKind::DisplayChanged;
            break;
        case WM_SYSCOMMAND: {
            // The low four bits of a system command are the system's own.
            const WPARAM command = wparam & 0xFFF0;
            event.kind = WindowEventKind::SystemCommand;
            if (command == SC_NEXTWINDOW || command == SC_PREVWINDOW) {
                event.command = SystemCommandKind::SwitchWindow;
            } else if (command == SC_SCREENSAVE) {
                event.command = SystemCommandKind::StartSaver;
            }
            break;
        }
        default:
            return false;
    }
    return true;
}

}  // namespace velmora::renderer
