#include <gtest/gtest.h>

#include <string>

#include "renderer/core/password_check.h"

namespace velmora::renderer {
namespace {

// A platform that keeps what the check leaves behind: the library loaded, the
// system told a saver runs, the dialogs shown and what was true while one was up.
class PlatformModel : public PasswordPort {
  public:
    PlatformModel(uint32_t platform, bool has_library, bool has_function, bool accepts,
                  const HostState& state)
        : platform_(platform),
          has_library_(has_library),
          has_function_(has_function),
          accepts_(accepts),
          state_(state) {}

    uint32_t PlatformId() override { return platform_; }
    bool LoadPasswordLibrary(const char* name) override {
        if (!has_library_ || std::string(name) != "PASSWORD.CPL") {
            return false;
        }
        ++libraries_loaded;
        ++loads;
        return true;
    }
    bool FindVerifyFunction(const char* name) override {
        return libraries_loaded > 0 && has_function_ && std::string(name) == "VerifyScreenSavePwd";
    }
    void FreePasswordLibrary() override { --libraries_loaded; }
    void SetScreensaverRunning(bool running) override { saver_running = running; }
    bool CallVerifyFunction() override {
        ++dialogs;
        dialog_saw_saver_running = saver_running;
        dialog_saw_prompt_active = state_.password_prompt_active;
        return accepts_;
    }

    int libraries_loaded = 0;
    int loads = 0;
    bool saver_running = false;
    int dialogs = 0;
    bool dialog_saw_saver_running = false;
    bool dialog_saw_prompt_active = false;

  private:
    uint32_t platform_;
    bool has_library_, has_function_, accepts_;
    const HostState& state_;
};

// Only Windows 9x with its password library and function asks; the answer is
// the dialog's, and where nothing can ask the saver may end. The dialog is up
// while the system is told a saver runs and the prompt holds the frames; afterwards no
// library is left loaded and the system is told the saver no longer runs.
TEST(PasswordCheck, OnlyWindows9xAsksAndLeavesNothingBehind) {
    constexpr uint32_t kWindowsNt = 2;
    for (const uint32_t platform : {kPlatformWin32Windows, kWindowsNt}) {
        for (const bool library : {true, false}) {
            for (const bool function : {true, false}) {
                for (const bool accepts : {true, false}) {
                    HostState state;
                    PlatformModel model(platform, library, function, accepts, state);
                    const bool asks = platform == kPlatformWin32Windows && library && function;
                    const std::string what = std::to_string(platform) + (library ? " lib" : "") +
                                             (function ? " fn" : "") + (accepts ? " yes" : "");
                    EXPECT_EQ(VerifyPassword(state, model), !asks || accepts) << what;
                    EXPECT_EQ(model.dialogs, asks ? 1 : 0) << what;
                    EXPECT_EQ(model.libraries_loaded, 0) << what;
                    if (platform != kPlatformWin32Windows) {
                        EXPECT_EQ(model.loads, 0) << "never loaded on the NT family";
                    }
                    EXPECT_FALSE(model.saver_running) << what;
                    EXPECT_FALSE(state.password_prompt_active) << what;
                    if (asks) {
                        EXPECT_TRUE(model.dialog_saw_saver_running) << what;
                        EXPECT_TRUE(model.dialog_saw_prompt_active) << what;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace velmora::renderer
