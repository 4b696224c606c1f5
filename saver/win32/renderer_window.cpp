#include "saver/win32/renderer_window.h"

#include "contract/run_contract.h"

namespace velmora::saver {

HWND FindRendererWindow() {
    return FindWindowA(nullptr, contract::kRendererWindowTitle);
}

RendererAnswer AskWindow(HWND window, std::uint32_t limit_ms) {
    if (window == nullptr) {
        return RendererAnswer::WindowGone;
    }
    DWORD_PTR result = 0;
    // SMTO_BLOCK: nothing else reaches the run window while it waits, so no
    // watch or music step runs inside this one.
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, limit_ms,
                            &result) != 0) {
        return RendererAnswer::Answered;
    }
    return IsWindow(window) ? RendererAnswer::Unanswered : RendererAnswer::WindowGone;
}

void EndProcessOfWindow(HWND window, DWORD wait_ms) {
    DWORD process_id = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &process_id) == 0) {
        return;
    }
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process_id);
    if (process == nullptr) {
        return;
    }
    if (TerminateProcess(process, 1)) {
        WaitForSingleObject(process, wait_ms);
    }
    CloseHandle(process);
}

}  // namespace velmora::saver
