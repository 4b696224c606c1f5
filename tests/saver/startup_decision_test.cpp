#include "saver/core/startup_decision.h"

#include <gtest/gtest.h>

namespace velmora::saver {
namespace {

using namespace text::literals;

using A = StartupAction;

TEST(DecideOnArrival, ABusyCopyEndsEveryRequest) {
    for (const text::Cp932View args :
         {"/s"_cp932, "/c"_cp932, "/p 1234"_cp932, ""_cp932, "/a"_cp932}) {
        EXPECT_EQ(DecideOnArrival(args, {true, false, false}).action, A::EndProgram)
            << args.Bytes();
        EXPECT_EQ(DecideOnArrival(args, {false, true, false}).action, A::EndProgram)
            << args.Bytes();
        EXPECT_EQ(DecideOnArrival(args, {false, false, true}).action, A::EndProgram)
            << args.Bytes();
    }
}

TEST(TakesBusyLock, TheRunAndTheSettingsDialogButNeverThePreview) {
    for (const text::Cp932View args :
         {"/s"_cp932, "-S"_cp932, ""_cp932, "/c"_cp932, "/c:1234"_cp932}) {
        EXPECT_TRUE(TakesBusyLock(args)) << args.Bytes();
    }
    for (const text::Cp932View args : {"/p 1234"_cp932, "/P"_cp932, "/a"_cp932, "S"_cp932}) {
        EXPECT_FALSE(TakesBusyLock(args)) << args.Bytes();
    }
}

TEST(DecideOnArrival, PreviewReadsNothingElseAndTakesTheHostFromPositionFour) {
    const auto host = [](text::Cp932View args) {
        const StartupDecision decision = DecideOnArrival(args, {});
        EXPECT_EQ(decision.action, A::ShowPreview) << args.Bytes();
        return decision.preview_host;
    };
    EXPECT_EQ(host("/p 1234"_cp932), 1234);
    EXPECT_EQ(host("/P1234"_cp932), 234);
    EXPECT_EQ(host("/p"_cp932), 0);
    EXPECT_EQ(host("/p 99999999999"_cp932), 0);
    for (const text::Cp932View args : {"/s"_cp932, "/c"_cp932, ""_cp932, "/a"_cp932, "S"_cp932}) {
        EXPECT_EQ(DecideOnArrival(args, {}).action, A::LoadSettings) << args.Bytes();
    }
}

// Whether a settings file could not be read changes no action: only the
// dialog, which would show and save settings without it, reports it first.
TEST(DecideWithSettings, RunConfigureOrEndAndOnlyTheDialogReportsUnreadableSettings) {
    const auto expect = [](text::Cp932View args, bool renderer, A action) {
        for (const bool unreadable : {false, true}) {
            const StartupDecision decision = DecideWithSettings(args, renderer, unreadable);
            EXPECT_EQ(decision.action, action) << args.Bytes();
            EXPECT_EQ(decision.report_unreadable_settings,
                      unreadable && action == A::ShowSettingsDialog)
                << args.Bytes();
        }
    };
    for (const text::Cp932View args : {"/s"_cp932, "/S"_cp932, "-s"_cp932, "/scr"_cp932}) {
        expect(args, true, A::StartRun);
    }
    // Explorer's Configure gives no argument text: the settings, as for /c.
    for (const text::Cp932View args :
         {"/c"_cp932, "/C"_cp932, "/c:1234"_cp932, "/C 1234"_cp932, ""_cp932}) {
        expect(args, true, A::ShowSettingsDialog);
    }
    // A missing renderer is reported for every request, and nothing else is.
    for (const text::Cp932View args : {"S"_cp932, "/a"_cp932, "/"_cp932}) {
        expect(args, true, A::EndProgram);
    }
    for (const text::Cp932View args : {"/s"_cp932, "/c"_cp932, ""_cp932, "/a"_cp932, "S"_cp932}) {
        expect(args, false, A::ReportMissingRenderer);
    }
}

}  // namespace
}  // namespace velmora::saver
