#include "renderer/core/password_check.h"

namespace velmora::renderer {

bool VerifyPassword(HostState& state, PasswordPort& port) {
    if (port.PlatformId() != kPlatformWin32Windows) {
        return true;
    }
    if (!port.LoadPasswordLibrary(kPasswordLibrary)) {
        return true;
    }
    if (!port.FindVerifyFunction(kVerifyFunction)) {
        port.FreePasswordLibrary();
        return true;
    }
    port.SetScreensaverRunning(true);
    state.password_prompt_active = true;
    const bool accepted = port.CallVerifyFunction();
    state.password_prompt_active = false;
    port.SetScreensaverRunning(false);
    port.FreePasswordLibrary();
    return accepted;
}

}  // namespace velmora::renderer
