#pragma once
// A window's object (what its messages are handled by), kept in the window's
// user data.

#include <windows.h>

namespace velmora::platform_edge {

template <typename Owner>
void KeepOwner(HWND window, Owner* owner) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
}

// Null before KeepOwner and after KeepOwner(window, nullptr).
template <typename Owner>
Owner* OwnerOf(HWND window) {
    return reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The owner handed to CreateWindowEx as its creation parameter, kept from
// the window's first message (WM_NCCREATE) on; null for the messages before.
template <typename Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        KeepOwner(window, static_cast<Owner*>(
                              reinterpret_cast<const CREATESTRUCTA*>(lparam)->lpCreateParams));
    }
    return OwnerOf<Owner>(window);
}

}  // namespace velmora::platform_edge
