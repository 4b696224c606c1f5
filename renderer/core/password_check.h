#pragma once
// The Windows 9x screen-saver password check, through the platform's calls behind PasswordPort.

#include <cstdint>

#include "renderer/core/host_state.h"

namespace velmora::renderer {

constexpr uint32_t kPlatformWin32Windows = 1;  // the Windows 9x family
constexpr const char* kPasswordLibrary = "PASSWORD.CPL";
constexpr const char* kVerifyFunction = "VerifyScreenSavePwd";

// The platform calls the saver-password check is made of.
class PasswordPort {
  public:
    virtual ~PasswordPort() = default;
    virtual uint32_t PlatformId() = 0;
    virtual bool LoadPasswordLibrary(const char* name) = 0;
    virtual bool FindVerifyFunction(const char* name) = 0;
    virtual void FreePasswordLibrary() = 0;
    virtual void SetScreensaverRunning(bool running) = 0;
    // Shows the platform's password dialog owned by the saver window;
    // true when the password was right or none is set.
    virtual bool CallVerifyFunction() = 0;
};

// Asks for the screen-saver password where the platform has one (Windows 9x);
// true means the saver may end.
bool VerifyPassword(HostState& state, PasswordPort& port);

}  // namespace velmora::renderer
