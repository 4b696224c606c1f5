#pragma once
// The password port of a Windows NT family system, where the screen saver asks
// for no password: the window rules end the run on input at once.

#include "renderer/core/password_check.h"

namespace velmora::testing {

class NoPasswordPort : public renderer::PasswordPort {
  public:
    uint32_t PlatformId() override { return 2; }
    bool LoadPasswordLibrary(const char*) override { return false; }
    bool FindVerifyFunction(const char*) override { return false; }
    void FreePasswordLibrary() override {}
    void SetScreensaverRunning(bool) override {}
    bool CallVerifyFunction() override { return false; }
};

}  // namespace velmora::testing
