#include "renderer/win32/password_port.h"

namespace velmora::renderer {
namespace {
constexpr UINT kSetScreenSaverRunning = 97;
}

Win32PasswordPort::~Win32PasswordPort() {
    Win32PasswordPort::FreePasswordLibrary();
}

uint32_t Win32PasswordPort::PlatformId() {
    static_assert(sizeof(OSVERSIONINFOA) == 148);
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&version)) {
        return 0;
    }
#pragma GCC diagnostic pop
    return version.dwPlatformId;
}

bool Win32PasswordPort::LoadPasswordLibrary(const char* name) {
    library_ = LoadLibraryA(name);
    return library_ != nullptr;
}

bool Win32PasswordPort::FindVerifyFunction(const char* name) {
    verify_ =
        reinterpret_cast<VerifyFunction>(reinterpret_cast<void*>(GetProcAddress(library_, name)));
    return verify_ != nullptr;
}

void Win32PasswordPort::FreePasswordLibrary() {
    if (library_ != nullptr) {
        FreeLibrary(library_);
        library_ = nullptr;
        verify_ = nullptr;
    }
}

void Win32PasswordPort::SetScreensaverRunning(bool running) {
    UINT previous = 0;
    SystemParametersInfoA(kSetScreenSaverRunning, running ? 1 : 0, &previous, 0);
}

bool Win32PasswordPort::CallVerifyFunction() {
    return verify_(owner_) != FALSE;
}

}  // namespace velmora::renderer
