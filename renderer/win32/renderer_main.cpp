// Velmora.dll's entry. How control flows through it:
//  1. DLLs are taken from the system folder only, and a fault ends the
//     program without the system's fault dialog.
//  2. The running lock: a renderer that finds another one running ends at
//     once with 0.
//  3. RunRenderer (renderer_host.cpp) makes the window, runs the message loop
//     and draws until the window's own destruction; its 0 is the exit code.
// An exception that reaches WinMain from any of these ends the program with 1
// instead of passing into the system's frames.
#include <windows.h>

#include "contract/run_contract.h"
#include "platform_edge/win32/guarded_entry.h"
#include "platform_edge/win32/named_lock.h"
#include "renderer/win32/renderer_host.h"
#include "system_dlls/win32/load_system_dll.h"
#include "system_dlls/win32/no_fault_dialogs.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return velmora::platform_edge::AnswerWithin(1, [instance] {
        velmora::system_dlls::LoadDllsFromSystemFolderOnly();
        velmora::system_dlls::AskForNoFaultDialogs();
        // Held for the process's life, its window up or not: Velmora.scr finds
        // a running renderer by it. A renderer that finds another one running
        // steps aside at once.
        if (velmora::platform_edge::HeldElsewhere(velmora::contract::kRendererRunningLock,
                                                  velmora::platform_edge::LockUse::Hold)) {
            return 0;
        }
        return velmora::renderer::RunRenderer(instance);
    });
}
