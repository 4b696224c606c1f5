#pragma once
// The keyboard's and the mouse's raw input, delivered to the renderer's window
// whether or not it is active.

#include <windows.h>

#include "renderer/core/background_input.h"

namespace velmora::renderer {

// Asks for WM_INPUT at `window` for every key and mouse report, in the
// foreground or not. False when the system refuses.
bool RegisterBackgroundInput(HWND window);

// Ends the delivery (before the window goes).
void UnregisterBackgroundInput();

// The record a WM_INPUT's `lparam` names; false when it cannot be read.
bool ReadRawInput(LPARAM lparam, RawInputRecord& record);

}  // namespace velmora::renderer
