#include "system_dlls/win32/load_system_dll.h"

#include <windows.h>

#include <delayimp.h>

#include <string>

#include "contract/run_contract.h"
#include "platform_edge/win32/guarded_entry.h"

namespace velmora::system_dlls {
namespace {

std::wstring Widened(const char* ascii) {
    return std::wstring(ascii, ascii + lstrlenA(ascii));
}

// The delayed imports' loader: the DLL by its name, from the system folder.
FARPROC WINAPI LoadFromSystemFolder(unsigned notice, PDelayLoadInfo info) {
    return platform_edge::AnswerWithin<FARPROC>(nullptr, [&] {
        if (notice != dliNotePreLoadLibrary) {
            return FARPROC{nullptr};
        }
        return reinterpret_cast<FARPROC>(
            LoadLibraryExW(Widened(info->szDll).c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    });
}

// A delayed import that cannot be had: say which, and end instead of failing
// on a call that has nowhere to go.
FARPROC WINAPI EndWithMessage(unsigned notice, PDelayLoadInfo info) {
    platform_edge::AnswerWithin(0, [&] {
        std::wstring what = Widened(info->szDll);
        if (notice == dliFailGetProc && info->dlp.fImportByName) {
            what += L" (" + Widened(info->dlp.szProcName) + L")";
        }
        const std::wstring text = what + L" を Windows のシステム フォルダから読み込めないため、" +
                                  L"Velmora を終了します。\n\n" + what +
                                  L" could not be loaded from the Windows system folder, so "
                                  L"Velmora ends.";
        return MessageBoxW(nullptr, text.c_str(), contract::kMissingDllMessageCaption,
                           MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
    });
    ExitProcess(1);
}

}  // namespace

void LoadDllsFromSystemFolderOnly() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void* OptionalSystemFunction(const wchar_t* dll, const char* function) {
    // Loaded for the rest of the process, as the delayed imports are.
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module == nullptr ? nullptr : reinterpret_cast<void*>(GetProcAddress(module, function));
}

}  // namespace velmora::system_dlls

// The toolchain's delayed-import helper calls these two by name.
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = velmora::system_dlls::LoadFromSystemFolder;  // NOLINT
PfnDliHook __pfnDliFailureHook2 = velmora::system_dlls::EndWithMessage;       // NOLINT
}
