#pragma once
// The renderer window's rules: each window event in, the reaction the window procedure carries out.

#include <cstdint>

#include "renderer/core/host_state.h"
#include "renderer/core/password_check.h"

namespace velmora::renderer {

// What happened to the renderer's window, as the window procedure reports it.
enum class WindowEventKind {
    Created,         // the window is being created
    Destroyed,       // the window is being destroyed
    CloseRequested,  // someone asks the window to close
    Shown,           // the window is being shown
    CursorNeeded,    // the system asks which cursor to show over the window
    KeyPressed,      // any key, with or without Alt
    ButtonPressed,   // left, right or middle mouse button
    Deactivated,     // the program lost the activation
    MouseMoved,
    SystemCommand,
    DisplayChanged,  // monitors came, went, moved or changed their mode or DPI
};

// The system commands the saver treats apart from all others.
enum class SystemCommandKind { SwitchWindow, StartSaver, Other };

struct WindowEvent {
    WindowEventKind kind = WindowEventKind::Created;
    // Where the cursor is on the desktop (screen coordinates) when the event
    // is reported; read for creation, moves, close requests and display
    // changes.
    ScreenPoint cursor;
    SystemCommandKind command = SystemCommandKind::Other;
    // The shape of that desktop; read with the cursor.
    DesktopShape desktop{};
};

// What the window procedure does in answer, in this order: hide the cursor,
// start the effect, lay the window and its views out over the monitors there
// are now, post the quit message, stop the effect, post a close request; then
// either answer `result` or leave the message to the system's default
// handling.
struct WindowReaction {
    bool hide_cursor = false;
    bool start_effect = false;
    bool lay_out_again = false;
    bool post_quit = false;
    bool stop_effect = false;
    bool post_close = false;
    bool answered = false;
    intptr_t result = 0;
};

// The renderer window's rules: the frame (cursor, system commands), the life
// cycle, then input and close. A close request after qualifying input asks
// for the password through `password`.
WindowReaction HandleWindowEvent(HostState& state, const WindowEvent& event,
                                 PasswordPort& password);

// Drawing is allowed once set-up is complete and while no password dialog is up.
bool MayDraw(const HostState& state);

// Whether a quit message that the loop gets may end the renderer: only the
// one its window's destruction posts. Any program may post a quit to the
// renderer's thread; that is no user input and must not end the saver.
bool QuitEndsRenderer(const HostState& state);

}  // namespace velmora::renderer
