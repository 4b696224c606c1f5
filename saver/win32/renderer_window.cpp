#include "saver/win32/renderer_window.h"

#include "contract/run_contract.h"

namespace velmora::saver {

HWND FindRendererWindow() {
    return FindWindowA(nullptr, contract::kRendererWindowTitle);
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
