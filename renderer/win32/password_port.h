#pragma once
// PasswordPort through the platform.

#include <windows.h>

#include "renderer/core/password_check.h"

namespace velmora::renderer {

// The saver-password check through the platform: version query,
// PASSWORD.CPL and its VerifyScreenSavePwd, the screen-saver-running flag.
class Win32PasswordPort : public PasswordPort {
  public:
    explicit Win32PasswordPort(HWND owner) : owner_(owner) {}
    ~Win32PasswordPort() override;

    uint32_t PlatformId() override;
    bool LoadPasswordLibrary(const char* name) override;
    bool FindVerifyFunction(const char* name) override;
    void FreePasswordLibrary() override;
    void SetScreensaverRunning(bool running) override;
    bool CallVerifyFunction() override;

  private:
    using VerifyFunction = BOOL(WINAPI*)(HWND);

    HWND owner_;
    HMODULE library_ = nullptr;
    VerifyFunction verify_ = nullptr;
};

}  // namespace velmora::renderer
