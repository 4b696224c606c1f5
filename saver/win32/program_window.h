#pragma once
// The program's own windows (the preview window and the hidden run window) and
// the one way the program ends at once.

#include <windows.h>

#include "platform_edge/win32/guarded_entry.h"
#include "platform_edge/win32/window_owner.h"

namespace velmora::saver {

struct ProgramWindowClass {
    const char* name;
    WNDPROC procedure;
    HBRUSH background = nullptr;
    HCURSOR cursor = nullptr;
};

// Registers the class (a second registration is harmless) and creates a
// hidden top-level popup without size or border. `owner` is handed to the
// procedure (platform_edge::GuardedWindowProc of the window's own):
// platform_edge::OwnerOf reads it back. Ends the program when the window
// cannot be made.
HWND CreateHiddenPopup(const ProgramWindowClass& window_class, const char* caption, void* owner);

// Ends the process at once, without further events or clean-up.
[[noreturn]] void EndProcessNow();

}  // namespace velmora::saver
