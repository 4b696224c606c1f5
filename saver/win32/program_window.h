#pragma once
// The program's own windows (the preview window and the hidden run window) and
// the one way the program ends at once.

#include <windows.h>

namespace velmora::saver {

struct ProgramWindowClass {
    const char* name;
    WNDPROC procedure;
    HBRUSH background = nullptr;
    HCURSOR cursor = nullptr;
};

// Registers the class (a second registration is harmless) and creates a
// hidden top-level popup without size or border. `owner` is handed to the
// procedure: OwnerOf reads it back. Ends the program when the window cannot
// be made.
HWND CreateHiddenPopup(const ProgramWindowClass& window_class, const char* caption, void* owner);

// The `owner` given to CreateHiddenPopup, from the window's first message on.
template <typename Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Ends the process at once, without further events or clean-up.
[[noreturn]] void EndProcessNow();

}  // namespace velmora::saver
