#include <windows.h>

#include "platform_edge/win32/guarded_entry.h"
#include "renderer/win32/renderer_host.h"
#include "renderer/win32/running_lock.h"
#include "system_dlls/win32/load_system_dll.h"
#include "system_dlls/win32/no_fault_dialogs.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    velmora::system_dlls::LoadDllsFromSystemFolderOnly();
    velmora::system_dlls::AskForNoFaultDialogs();
    // A renderer that finds another one running steps aside at once.
    if (!velmora::renderer::TakeRunningLock()) {
        return 0;
    }
    return velmora::platform_edge::AnswerWithin(
        1, [instance] { return velmora::renderer::RunRenderer(instance); });
}
