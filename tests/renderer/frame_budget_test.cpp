#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "renderer/core/frame_budget.h"
#include "renderer/core/gl_extensions.h"

namespace velmora::renderer {
namespace {

constexpr ScreenRect kLeft{0, 0, 1920, 1080};
constexpr ScreenRect kRight{1920, 0, 4480, 1440};

FrameConditions OneMonitor(int hz, bool energy_saver = false, bool remote = false) {
    return FrameConditions{{{kLeft, hz}}, kLeft, energy_saver, remote};
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
    const std::vector<MonitorRefresh> monitors{{kLeft, 60}, {kRight, 144}};
    EXPECT_EQ(FrameBudgetFor({monitors, {0, 0, 4480, 1440}}).frame_interval_us, 13889);
    // A picture on the left monitor only is not held to the right one.
    EXPECT_EQ(FrameBudgetFor({monitors, kLeft}).frame_interval_us, 16667);
    // Rates that cannot be told, or no monitor at all: 60 Hz.
    EXPECT_EQ(FrameBudgetFor(OneMonitor(1)).frame_interval_us, 16667);
    EXPECT_EQ(FrameBudgetFor({{}, kLeft}).frame_interval_us, 16667);
}

TEST(FrameBudget, FollowsEveryChangeDuringARun) {
    FrameBudgetFollower follower(OneMonitor(144));
    const std::vector<MonitorRefresh> both{{kLeft, 144}, {kRight, 240}};
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
