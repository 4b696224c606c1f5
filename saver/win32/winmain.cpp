// Velmora.scr: the start-up runs first; the preview window or the hidden run
// window then keeps the program alive through the message loop.
#include <windows.h>

#include "platform_edge/win32/guarded_entry.h"
#include "saver/win32/startup.h"
#include "system_dlls/win32/load_system_dll.h"
#include "system_dlls/win32/no_fault_dialogs.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return velmora::platform_edge::AnswerWithin(1, [] {
        velmora::system_dlls::LoadDllsFromSystemFolderOnly();
        velmora::system_dlls::AskForNoFaultDialogs();
        velmora::saver::SaverProgram program;
        velmora::saver::StartProgram(program);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return 0;
    });
}
