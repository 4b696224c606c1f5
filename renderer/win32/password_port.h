#pragma once

#include <windows.h>

#include "renderer/core/password_check.h"

namespace velmora::renderer {

// The saver-password check through the platform: version query,
// PASSWORD.CPL and its VerifyScreenSavePwd, the screen-saver-running flag.
class Win32PasswordPort : public PasswordPort {
  public:
    explicit Win32PasswordPort(HWND owner) : owner_(owner) {}
    ~Win32PasswordPort() override;

    uint32_t platform_id() override;
    bool load_library(const char* name) override;
    bool find_function(const char* name) override;
    void free_library() override;
    void set_screensaver_running(bool running) override;
    bool call_verify_function() override;

  private:
    using VerifyFunction = BOOL(WINAPI*)(HWND);

    HWND owner_;
    HMODULE library_ = nullptr;
    VerifyFunction verify_ = nullptr;
};

}  // namespace velmora::renderer
