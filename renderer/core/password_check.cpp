#include "renderer/core/password_check.h"

namespace velmora::renderer {

bool verify_password(HostState& state, PasswordPort& port) {
    if (port.platform_id() != kPlatformWin32Windows) {
        return true;
    }
    if (!port.load_library(kPasswordLibrary)) {
        return true;
    }
    if (!port.find_function(kVerifyFunction)) {
        port.free_library();
        return true;
    }
    port.set_screensaver_running(true);
    state.password_prompt_active = true;
    const bool accepted = port.call_verify_function();
    state.password_prompt_active = false;
    port.set_screensaver_running(false);
    port.free_library();
    return accepted;
}

}  // namespace velmora::renderer
