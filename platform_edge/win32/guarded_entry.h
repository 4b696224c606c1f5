#pragma once
// No C++ exception may leave a function the platform calls (a window
// procedure, a COM method, an enumeration callback, a delayed-import hook,
// WinMain): the platform's frames between the throw and any handler are not
// built to be unwound. Each such entry runs its body here and answers with
// its failure code instead.

#include <windows.h>

namespace velmora::platform_edge {

// What `body` returns, or `failure` when it throws.
template <typename Result, typename Body>
Result AnswerWithin(Result failure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

// The window procedure to register for `Procedure`: a message whose handling
// throws is answered with 0 (for WM_NCCREATE: the window is not made).
template <WNDPROC Procedure>
LRESULT CALLBACK GuardedWindowProc(HWND window, UINT message, WPARAM wparam,
                                   LPARAM lparam) noexcept {
    return AnswerWithin<LRESULT>(0, [&] { return Procedure(window, message, wparam, lparam); });
}

}  // namespace velmora::platform_edge
