#pragma once
// The button control as a Win32 child window of class "Velmora.Command".
//
// The container learns of the control's Click through WM_COMMAND with
// HIWORD(wParam) = BN_CLICKED, LOWORD(wParam) = the control id and lParam =
// the control's window, sent after the release that raised it (so the
// container may destroy the control in its handler). A property change is
// posted the same way with the notification code kCommandPropertyChanged.
//
// The program must carry the state pictures: include
// button_control/win32/button_pictures.rc in its resource script.

#include <windows.h>

#include "button_control/core/command.h"
#include "button_control/core/property_bag.h"

namespace velmora::button_control {

inline constexpr char kCommandClassName[] = "Velmora.Command";
inline constexpr WORD kCommandPropertyChanged = 0x0100;

// Registers the window class once per process; true when it is available.
bool RegisterCommandClass();

// Creates a control at the given place (pixels, client coordinates of the
// parent) with the style WS_CHILD | WS_VISIBLE | `extra_style`. With a stored
// layout the control restores its properties from it (an empty bag gives an
// enabled button with the default properties); without one it is a freshly
// placed control, disabled until its Enabled is first read. The container
// then calls Initialize.
HWND CreateCommand(HWND parent, int id, int x, int y, int width, int height,
                   const PropertyBag* layout, DWORD extra_style = WS_TABSTOP);

// The control behind a window of the class, or null.
Command* CommandFromWindow(HWND window);

}  // namespace velmora::button_control
