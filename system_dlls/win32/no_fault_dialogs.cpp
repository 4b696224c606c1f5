#include "system_dlls/win32/no_fault_dialogs.h"

#include <windows.h>

#include "system_dlls/win32/load_system_dll.h"

namespace velmora::system_dlls {
namespace {

// Windows Error Reporting's flag for no dialog (werapi.h, Windows Vista on).
constexpr DWORD kWerFaultReportingNoUi = 0x20;

}  // namespace

void AskForNoFaultDialogs() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    // Error Reporting asks on its own unless told; Windows before Vista has none.
    using SetFlags = HRESULT(WINAPI*)(DWORD);
    if (const auto set_flags =
            reinterpret_cast<SetFlags>(OptionalSystemFunction(L"kernel32.dll", "WerSetFlags"))) {
        set_flags(kWerFaultReportingNoUi);
    }
}

}  // namespace velmora::system_dlls
