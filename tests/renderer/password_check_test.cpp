#include <gtest/gtest.h>

#include <string>

#include "renderer/core/password_check.h"

namespace velmora::renderer {
namespace {

// A platform that keeps what the check leaves behind: the library loaded, the
// system told a saver runs, the dialogs shown and what held while one was up.
struct PlatformModel : PasswordPort {
    uint32_t PlatformId() override { return platform; }
    bool LoadPasswordLibrary(const char* name) override {
        loads += has_library && std::string(name) == "PASSWORD.CPL" ? 1 : 0;
        return loads > freed;
    }
    bool FindVerifyFunction(const char* name) override {
        return loads > freed && has_function && std::string(name) == "VerifyScreenSavePwd";
    }
    void FreePasswordLibrary() override { ++freed; }
    void SetScreensaverRunning(bool running) override { saver_running = running; }
    bool CallVerifyFunction() override {
        ++dialogs;
        held_while_asking = saver_running && state->password_prompt_active;
        return accepts;
    }

    uint32_t platform;
    bool has_library, has_function, accepts;
    const HostState* state;
    int loads = 0, freed = 0, dialogs = 0;
    bool saver_running = false, held_while_asking = false;
};

// Only Windows 9x with its password library and function asks; the answer is
// the dialog's, and where nothing can ask the saver may end. The dialog is up
// while the system is told a saver runs and the prompt holds the frames;
// afterwards no library is left loaded and the system is told the saver no
// longer runs. The NT family never loads the library.
TEST(PasswordCheck, OnlyWindows9xAsksAndLeavesNothingBehind) {
    constexpr uint32_t kWindowsNt = 2;
    for (int bits = 0; bits < 16; ++bits) {
        HostState state;
        PlatformModel model;
        model.platform = (bits & 1) != 0 ? kPlatformWin32Windows : kWindowsNt;
        model.has_library = (bits & 2) != 0;
        model.has_function = (bits & 4) != 0;
        model.accepts = (bits & 8) != 0;
        model.state = &state;
        const bool asks = (bits & 7) == 7;
        SCOPED_TRACE(bits);
        EXPECT_EQ(VerifyPassword(state, model), !asks || model.accepts);
        EXPECT_EQ(model.dialogs, asks ? 1 : 0);
        EXPECT_EQ(model.held_while_asking, asks);
        EXPECT_EQ(model.loads, model.freed);
        EXPECT_EQ(model.loads, (bits & 3) == 3 ? 1 : 0);
        EXPECT_FALSE(model.saver_running || state.password_prompt_active);
    }
}

}  // namespace
}  // namespace velmora::renderer
