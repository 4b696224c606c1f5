#include "saver/core/startup.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace velmora::saver {
namespace {

// Records every call in order.
class FakeStartup : public StartupPort {
  public:
    bool WindowExists(const std::string& caption) override {
        calls.push_back("find " + caption);
        return windows.count(caption) > 0;
    }
    void ShowPreview(std::int32_t host) override {
        calls.push_back("preview " + std::to_string(host));
    }
    void LoadSettings() override { calls.push_back("load settings"); }
    bool RendererExists() override {
        calls.push_back("renderer?");
        return renderer_present;
    }
    void ShowMissingRendererMessage() override { calls.push_back("message"); }
    void ShowSettingsDialog() override { calls.push_back("dialog"); }
    void HideCursor() override { calls.push_back("hide cursor"); }
    void CreateRunForm() override { calls.push_back("run form"); }
    void EndProgram() override { calls.push_back("end"); }

    std::set<std::string> windows;
    bool renderer_present = true;
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;
const Calls kBusyTest = {"find Velmora_Main", "find <Velmora>"};

Calls Then(Calls head, const Calls& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Calls RunMain(const std::string& args, bool renderer = true, std::set<std::string> windows = {}) {
    FakeStartup port;
    port.renderer_present = renderer;
    port.windows = std::move(windows);
    Main(port, args);
    return port.calls;
}

TEST(Main, RunRequestsHideTheCursorAndCreateTheRunForm) {
    const Calls run = Then(kBusyTest, {"load settings", "renderer?", "hide cursor", "run form"});
    for (const char* args : {"/s", "/S", "-s", "/scr"}) {
        EXPECT_EQ(RunMain(args), run) << args;
    }
}

TEST(Main, EmptyTextRunsWithTheCursorLeftAlone) {
    EXPECT_EQ(RunMain(""), Then(kBusyTest, {"load settings", "renderer?", "run form"}));
}

TEST(Main, ConfigureShowsTheDialogAndEnds) {
    const Calls configure = Then(kBusyTest, {"load settings", "renderer?", "dialog", "end"});
    for (const char* args : {"/c", "/C", "/c:1234"}) {
        EXPECT_EQ(RunMain(args), configure) << args;
    }
}

TEST(Main, PreviewReadsNothingElse) {
    EXPECT_EQ(RunMain("/p 1234"), Then(kBusyTest, {"preview 1234"}));
    EXPECT_EQ(RunMain("/P1234"), Then(kBusyTest, {"preview 234"}));
    EXPECT_EQ(RunMain("/p"), Then(kBusyTest, {"preview 0"}));
    EXPECT_EQ(RunMain("/p 99999999999"), Then(kBusyTest, {"preview 0"}));
    // The renderer is not looked for on this path.
    EXPECT_EQ(RunMain("/p 5", false), Then(kBusyTest, {"preview 5"}));
}

TEST(Main, OtherRequestsEndSilentlyAfterTheRendererCheck) {
    const Calls other = Then(kBusyTest, {"load settings", "renderer?", "end"});
    EXPECT_EQ(RunMain("S"), other);
    EXPECT_EQ(RunMain("/a"), other);
    EXPECT_EQ(RunMain("/"), other);
}

TEST(Main, MissingRendererIsReportedBeforeEveryBranchButThePreview) {
    const Calls missing = Then(kBusyTest, {"load settings", "renderer?", "message", "end"});
    for (const char* args : {"/s", "/c", "", "/a", "S"}) {
        EXPECT_EQ(RunMain(args, false), missing) << args;
    }
}

TEST(Main, ABusyCopyEndsEveryRequestAtOnceAfterBothLookUps) {
    for (const char* busy : {"Velmora_Main", "<Velmora>"}) {
        for (const char* args : {"/s", "/c", "/p 1234", "", "/a"}) {
            EXPECT_EQ(RunMain(args, true, {busy}), Then(kBusyTest, {"end"})) << busy << args;
        }
    }
}

}  // namespace
}  // namespace velmora::saver
