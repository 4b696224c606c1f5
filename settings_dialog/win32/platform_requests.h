#pragma once
// What the dialog's replies ask of the platform beyond its own windows: the
// open-file dialog, the shell's launch of a document, the caption zoom and the
// screen-wide mouse pointer. Failures are ignored.

#include <windows.h>

#include "settings_dialog/core/settings_dialog.h"
#include "settings_dialog/core/zoom_rectangles.h"

namespace velmora::settings_dialog {

// The wide open-file dialog, so that its title and filter read right and any
// file can be picked on every code page; the path comes back in code page 932.
OpenFileAnswer AskForFile(HWND owner, HINSTANCE instance, const OpenFileRequest& request);

// The document opened by the shell in its normal window.
void OpenWithShell(HWND owner, const ShellLaunch& launch);

// The platform's animated caption rectangle.
void Zoom(HWND window, const ZoomRects& rects);
ScreenRect WindowRectOf(HWND window);

// The hourglass or the arrow.
void ShowPointer(bool hourglass);

}  // namespace velmora::settings_dialog
