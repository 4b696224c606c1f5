#include "saver/win32/program_window.h"

namespace velmora::saver {

HWND CreateHiddenPopup(const ProgramWindowClass& window_class, const char* caption, void* owner) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA registration{};
    registration.lpfnWndProc = window_class.procedure;
    registration.hInstance = instance;
    registration.hbrBackground = window_class.background;
    registration.hCursor = window_class.cursor;
    registration.lpszClassName = window_class.name;
    RegisterClassA(&registration);

    HWND window = CreateWindowExA(0, window_class.name, caption, WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, owner);
    if (!window) {
        EndProcessNow();
    }
    return window;
}

void EndProcessNow() {
    ExitProcess(0);
}

}  // namespace velmora::saver
