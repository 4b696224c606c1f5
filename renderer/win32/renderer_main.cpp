#include <windows.h>

#include "renderer/win32/saver_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return velmora::renderer::RunRenderer(instance);
}

// Taken as the process starts, before WinMain, and held until the process
// ends, when the platform lets it go: Velmora.scr finds a running renderer by
// it, also before its window is up, and starts no second one.
const HANDLE kRunningLock = CreateMutexW(nullptr, TRUE, L"Local\\VelmoraVC running");
