#include "saver/core/startup_decision.h"

#include <gtest/gtest.h>

namespace velmora::saver {
namespace {

using A = StartupAction;

TEST(DecideOnArrival, ABusyCopyEndsEveryRequest) {
    for (const char* args : {"/s", "/c", "/p 1234", "", "/a"}) {
        EXPECT_EQ(DecideOnArrival(args, {true, false, false}).action, A::EndProgram) << args;
        EXPECT_EQ(DecideOnArrival(args, {false, true, false}).action, A::EndProgram) << args;
        EXPECT_EQ(DecideOnArrival(args, {false, false, true}).action, A::EndProgram) << args;
    }
}

TEST(TakesBusyLock, TheRunAndTheSettingsDialogButNeverThePreview) {
    for (const char* args : {"/s", "-S", "", "/c", "/c:1234"}) {
        EXPECT_TRUE(TakesBusyLock(args)) << args;
    }
    for (const char* args : {"/p 1234", "/P", "/a", "S"}) {
        EXPECT_FALSE(TakesBusyLock(args)) << args;
    }
}

TEST(DecideOnArrival, PreviewReadsNothingElseAndTakesTheHostFromPositionFour) {
    const auto host = [](const char* args) {
        const StartupDecision decision = DecideOnArrival(args, {});
        EXPECT_EQ(decision.action, A::ShowPreview) << args;
        return decision.preview_host;
    };
    EXPECT_EQ(host("/p 1234"), 1234);
    EXPECT_EQ(host("/P1234"), 234);
    EXPECT_EQ(host("/p"), 0);
    EXPECT_EQ(host("/p 99999999999"), 0);
    for (const char* args : {"/s", "/c", "", "/a", "S"}) {
        EXPECT_EQ(DecideOnArrival(args, {}).action, A::LoadSettings) << args;
    }
}

TEST(DecideWithSettings, RunConfigureOrEnd) {
    for (const char* args : {"/s", "/S", "-s", "/scr"}) {
        EXPECT_EQ(DecideWithSettings(args, true).action, A::StartRun) << args;
    }
    // Explorer's Configure gives no argument text: the settings, as for /c.
    for (const char* args : {"/c", "/C", "/c:1234", "/C 1234", ""}) {
        EXPECT_EQ(DecideWithSettings(args, true).action, A::ShowSettingsDialog) << args;
    }
    for (const char* args : {"S", "/a", "/"}) {
        EXPECT_EQ(DecideWithSettings(args, true).action, A::EndProgram) << args;
    }
}

TEST(DecideWithSettings, AMissingRendererIsReportedForEveryRequest) {
    for (const char* args : {"/s", "/c", "", "/a", "S"}) {
        EXPECT_EQ(DecideWithSettings(args, false).action, A::ReportMissingRenderer) << args;
    }
}

}  // namespace
}  // namespace velmora::saver
