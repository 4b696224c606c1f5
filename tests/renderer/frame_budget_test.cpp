#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <functional>
#include <vector>

#include "renderer/core/frame_budget.h"
#include "renderer/core/frame_condition_news.h"
#include "renderer/core/frame_pacer.h"
#include "renderer/core/gl_extensions.h"

namespace velmora::renderer {
namespace {

constexpr ScreenRect kLeft{0, 0, 1920, 1080};
constexpr ScreenRect kRight{1920, 0, 4480, 1440};

Monitor At(const ScreenRect& area, int hz) {
    return Monitor(area, kTunedDpi, hz);
}

FrameConditions OneMonitor(int hz, bool energy_saver = false, bool remote = false) {
    return FrameConditions{{At(kLeft, hz)}, kLeft, energy_saver, remote};
}

// Frames a second of a budget on a panel of this rate.
double Rate(int hz, const FrameBudget& budget) {
    return static_cast<double>(hz) / budget.refreshes_per_frame;
}

TEST(FrameBudget, WholeRefreshesNearSixtyAndAtMostThirtyOrTwentyWhenAsked) {
    struct Row {
        int hz, plain, energy_saver, remote;
    };
    // Refreshes a frame: on its own, with the energy saver on, in a remote session.
    for (const Row& row : {Row{60, 1, 2, 3}, Row{59, 1, 2, 3}, Row{75, 1, 3, 4}, Row{90, 1, 3, 5},
                           Row{100, 2, 4, 5}, Row{120, 2, 4, 6}, Row{144, 2, 5, 7},
                           Row{165, 3, 6, 8}, Row{240, 4, 8, 12}, Row{360, 6, 12, 18}}) {
        const FrameBudget plain = FrameBudgetFor(OneMonitor(row.hz));
        EXPECT_EQ(plain.refreshes_per_frame, row.plain) << row.hz;
        EXPECT_GE(Rate(row.hz, plain), 50.0) << row.hz;
        const FrameBudget saver = FrameBudgetFor(OneMonitor(row.hz, true));
        EXPECT_EQ(saver.refreshes_per_frame, row.energy_saver) << row.hz;
        EXPECT_LE(Rate(row.hz, saver), 31.5) << row.hz;
        const FrameBudget remote = FrameBudgetFor(OneMonitor(row.hz, false, true));
        EXPECT_EQ(remote.refreshes_per_frame, row.remote) << row.hz;
        EXPECT_LE(Rate(row.hz, remote), 21.0) << row.hz;
        EXPECT_EQ(FrameBudgetFor(OneMonitor(row.hz, true, true)).refreshes_per_frame, row.remote);
    }
}

TEST(FrameBudget, TheFastestMonitorShowingThePictureSetsIt) {
    const std::vector<Monitor> monitors{At(kLeft, 60), At(kRight, 144)};
    EXPECT_EQ(FrameBudgetFor({monitors, {0, 0, 4480, 1440}}).frame_interval_us, 13889);
    // A picture on the left monitor only is not held to the right one.
    EXPECT_EQ(FrameBudgetFor({monitors, kLeft}).frame_interval_us, 16667);
    // Rates that cannot be told, or no monitor at all: 60 Hz.
    EXPECT_EQ(FrameBudgetFor(OneMonitor(1)).frame_interval_us, 16667);
    EXPECT_EQ(FrameBudgetFor({{}, kLeft}).frame_interval_us, 16667);
}

TEST(FrameBudget, FollowsEveryChangeDuringARun) {
    FrameBudgetFollower follower(OneMonitor(144));
    const std::vector<Monitor> both{At(kLeft, 144), At(kRight, 240)};
    struct Step {
        const char* what;
        std::function<bool()> change;
        int refreshes_per_frame;
        double rate;
    };
    const Step steps[] = {
        {"energy saver on", [&] { return follower.PowerStatusTold(true); }, 5, 28.8},
        {"power mode says so too", [&] { return follower.PowerModeTold(true); }, 5, 28.8},
        {"status off, mode still on", [&] { return follower.PowerStatusTold(false); }, 5, 28.8},
        {"energy saver off", [&] { return follower.PowerModeTold(false); }, 2, 72},
        {"remote session", [&] { return follower.SessionTold(true); }, 7, 144.0 / 7},
        {"back at the console", [&] { return follower.SessionTold(false); }, 2, 72},
        {"a 240 Hz monitor added",
         [&] {
             return follower.MonitorsChanged(both, {0, 0, 4480, 1440});
         },
         4, 60},
        {"and removed", [&] { return follower.MonitorsChanged({both[0]}, kLeft); }, 2, 72},
    };
    FrameBudget before = follower.Budget();
    for (const Step& step : steps) {
        const bool changed = step.change();
        const FrameBudget& now = follower.Budget();
        EXPECT_EQ(now.refreshes_per_frame, step.refreshes_per_frame) << step.what;
        EXPECT_NEAR(1e6 / now.frame_interval_us, step.rate, 0.01) << step.what;
        EXPECT_EQ(changed, now.frame_interval_us != before.frame_interval_us) << step.what;
        before = now;
    }
}

// Frames a second where the swap is tied to the refreshes of one output of
// `hz` (the one the compositor counts), waiting for `budget.swap_interval` of
// them after the last shown frame, and the pacer holds frames to the budget
// in whole-millisecond sleeps; drawing takes `work_us`.
double FramesFollowing(int hz, const FrameBudget& budget, int64_t work_us) {
    const double refresh_us = 1e6 / hz;
    FramePacer pacer(budget.frame_interval_us);
    double now = 0;
    double last_shown = -1e9;
    int frames = 0;
    constexpr double kSpan = 4e6;
    while (now < kSpan) {
        const uint32_t sleep_ms = pacer.SleepBeforeFrameMs(static_cast<int64_t>(now));
        if (sleep_ms > 0) {
            now += sleep_ms * 1000.0;
            continue;
        }
        pacer.FrameStarted(static_cast<int64_t>(now));
        now += work_us;
        // Shown at the first refresh after the frame is drawn and at least
        // the interval's refreshes after the last one shown.
        const double earliest = std::max(now, last_shown + budget.swap_interval * refresh_us - 1);
        last_shown = std::ceil(earliest / refresh_us) * refresh_us;
        now = last_shown;
        ++frames;
    }
    return frames / (kSpan / 1e6);
}

// Over monitors of different rates the swap may count the refreshes of any of
// them: whichever it follows, the frames a second are never fewer than the
// budget's, or where the slowest monitor cannot show so many, than its every
// refresh. On one rate the swap keeps to the whole budget.
TEST(FrameBudget, OverMixedRatesTheSwapWaitsOneRefreshAndThePacerKeepsTheBudget) {
    const ScreenRect both{0, 0, 4480, 1440};
    const int rates[] = {60, 75, 100, 120, 144, 165, 240};
    for (const int left : rates) {
        for (const int right : rates) {
            for (const bool saver : {false, true}) {
                const FrameBudget budget =
                    FrameBudgetFor({{At(kLeft, left), At(kRight, right)}, both, saver});
                const FrameBudget fastest_alone =
                    FrameBudgetFor(OneMonitor(std::max(left, right), saver));
                EXPECT_EQ(budget.frame_interval_us, fastest_alone.frame_interval_us);
                EXPECT_EQ(budget.swap_interval,
                          left == right ? fastest_alone.refreshes_per_frame : 1)
                    << left << " and " << right;
                const double budget_rate = 1e6 / budget.frame_interval_us;
                for (const int followed : {left, right}) {
                    const double least =
                        std::min(budget_rate, static_cast<double>(std::min(left, right)));
                    for (const int64_t work_us : {500, 6000}) {
                        EXPECT_GE(FramesFollowing(followed, budget, work_us), least * 0.98)
                            << left << " and " << right << " Hz following " << followed
                            << (saver ? " with the energy saver" : "") << ", " << work_us << " us";
                    }
                }
            }
        }
    }
    // A slower monitor joining the picture changes the swap, not the interval.
    FrameBudgetFollower follower(OneMonitor(120));
    EXPECT_TRUE(follower.MonitorsChanged({At(kLeft, 120), At(kRight, 60)}, both));
    EXPECT_EQ(follower.Budget().swap_interval, 1);
    EXPECT_TRUE(follower.MonitorsChanged({At(kLeft, 120)}, kLeft));
    EXPECT_EQ(follower.Budget().swap_interval, 2);
    // Only the monitors showing the picture count; rates not told are 60 Hz.
    EXPECT_EQ(FrameBudgetFor({{At(kLeft, 144), At(kRight, 60)}, kLeft}).swap_interval, 2);
    EXPECT_EQ(FrameBudgetFor({{At(kLeft, 0), At(kRight, 60)}, both}).swap_interval, 1);
    EXPECT_EQ(FrameBudgetFor({{At(kLeft, 0), At(kRight, 120)}, both}).swap_interval, 1);
}

// The energy saver is on while either source says so: the power status (its
// flag, or its setting's news) or the effective power mode, whose battery
// saver and better battery modes both save energy.
TEST(FrameConditionNews, TheEnergySaversTwoSourcesAndTwoLevels) {
    FrameBudgetFollower follower(OneMonitor(60));
    const auto saver_on = [&follower] { return follower.Budget().refreshes_per_frame == 2; };
    const auto mode = [&follower](uint32_t value) {
        return TakeFrameNews({FrameNewsKind::PowerModeChanged, value}, false, follower);
    };
    constexpr uint32_t kBalanced = 2, kHighPerformance = 3, kMaxPerformance = 4;
    EXPECT_TRUE(mode(power_mode::kBetterBattery).budget_changed);
    EXPECT_TRUE(saver_on()) << "the energy saver's standard level";
    EXPECT_FALSE(mode(power_mode::kBatterySaver).budget_changed);
    EXPECT_TRUE(saver_on());
    for (const uint32_t other : {kBalanced, kHighPerformance, kMaxPerformance, 7u}) {
        mode(power_mode::kBatterySaver);
        EXPECT_TRUE(mode(other).budget_changed) << other;
        EXPECT_FALSE(saver_on()) << other;
    }
    const FrameNewsAnswer status =
        TakeFrameNews({FrameNewsKind::PowerStatusChanged, 1}, false, follower);
    EXPECT_TRUE(status.budget_changed && saver_on());
    EXPECT_FALSE(status.answered) << "the power broadcast goes on to the system";
    EXPECT_FALSE(mode(kBalanced).budget_changed) << "the status still says so";
    const FrameNewsAnswer setting =
        TakeFrameNews({FrameNewsKind::PowerSavingChanged, 0}, false, follower);
    EXPECT_TRUE(setting.budget_changed && !saver_on());
    EXPECT_TRUE(setting.answered && setting.answer == 1);
    EXPECT_TRUE(
        TakeFrameNews({FrameNewsKind::PowerStatusChanged, 0}, true, follower).budget_changed)
        << "a program told the saver is on keeps it on";
    EXPECT_TRUE(saver_on());

    FrameBudgetFollower session(OneMonitor(60));
    const FrameNewsAnswer remote =
        TakeFrameNews({FrameNewsKind::SessionChanged, 1}, false, session);
    EXPECT_TRUE(remote.budget_changed && !remote.answered);
    EXPECT_EQ(session.Budget().refreshes_per_frame, 3);
    EXPECT_TRUE(mode(kBalanced).answered) << "the power mode's own message";
}

TEST(GlExtensions, OnlyWholeNamesAreListed) {
    const char* list = "WGL_ARB_pixel_format WGL_EXT_swap_control_tear  WGL_EXT_swap_control ";
    EXPECT_TRUE(ListsExtension(list, "WGL_ARB_pixel_format"));
    EXPECT_TRUE(ListsExtension(list, "WGL_EXT_swap_control"));
    EXPECT_FALSE(ListsExtension("WGL_EXT_swap_control_tear", "WGL_EXT_swap_control"));
    EXPECT_FALSE(ListsExtension("WGL_ARB_pixel_format", "WGL_ARB_pixel"));
    EXPECT_FALSE(ListsExtension("", "WGL_EXT_swap_control"));
    EXPECT_FALSE(ListsExtension(list, ""));
}

}  // namespace
}  // namespace velmora::renderer
