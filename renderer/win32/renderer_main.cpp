#include <windows.h>

#include "contract/run_contract.h"
#include "renderer/win32/renderer_host.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Held until the process ends, when the platform lets it go: Velmora.scr
    // finds a running renderer by it, also before its window is up, and starts
    // no second one.
    const HANDLE running_lock =
        CreateMutexW(nullptr, TRUE, velmora::contract::kRendererRunningLock);
    const int exit_code = velmora::renderer::RunRenderer(instance);
    CloseHandle(running_lock);
    return exit_code;
}
