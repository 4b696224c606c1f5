#include <gtest/gtest.h>

#include <cmath>

#include "renderer/core/frame_pacer.h"
#include "renderer/core/view_geometry.h"

namespace velmora::renderer {
namespace {

// Runs a loop whose frames take `work_us` each and that waits when told to;
// returns the frames started in the second from `from_us`.
int FramesInOneSecond(FramePacer& pacer, int64_t work_us, int64_t from_us = 0) {
    int64_t now = from_us;
    int frames = 0;
    while (now < from_us + 1000000) {
        const int64_t wait = pacer.WaitBeforeFrame(now);
        if (wait > 0) {
            now += wait;
            continue;
        }
        pacer.FrameStarted(now);
        ++frames;
        now += work_us;
    }
    return frames;
}

constexpr int64_t kAt60 = 16667;

TEST(FramePacer, HoldsFastFramesNearTheInterval) {
    FramePacer at_60(kAt60);
    EXPECT_NEAR(FramesInOneSecond(at_60, 200), 62, 1);
    FramePacer at_72(13889);
    EXPECT_NEAR(FramesInOneSecond(at_72, 200), 74, 1);
    // The budget changes: the next frames keep to the new interval.
    at_72.ChangeInterval(2 * kAt60);
    EXPECT_NEAR(FramesInOneSecond(at_72, 200, 1000000), 31, 1);
}

TEST(FramePacer, NeverHoldsBackFramesThatAreAlreadySlowerThanTheRefresh) {
    FramePacer pacer(kAt60);
    // A swap that waits for a 60 Hz refresh: the pacer must never add a wait.
    int64_t now = 0;
    for (int frame = 0; frame < 600; ++frame) {
        ASSERT_EQ(pacer.WaitBeforeFrame(now), 0) << frame;
        pacer.FrameStarted(now);
        now += kAt60;
    }
    FramePacer slow(kAt60);
    EXPECT_EQ(FramesInOneSecond(slow, 50000), 20);
}

TEST(FramePacer, AStallDoesNotCauseARushOfFrames) {
    FramePacer pacer(kAt60);
    pacer.FrameStarted(0);
    pacer.FrameStarted(500000);  // half a second late
    EXPECT_GT(pacer.WaitBeforeFrame(500000), 15000);
}

TEST(ViewGeometry, LandscapeKeepsNinetyDegreesVertically) {
    for (auto [w, h] : {std::pair{640, 480}, std::pair{1920, 1080}, std::pair{5120, 1440}}) {
        const ViewGeometry view = ViewGeometryFor(w, h);
        EXPECT_DOUBLE_EQ(view.field_of_view_y, 90.0);
        EXPECT_DOUBLE_EQ(view.aspect, static_cast<double>(w) / h);
    }
    const ViewGeometry four_three = ViewGeometryFor(640, 480);
    EXPECT_EQ(four_three.fade_half_width, 40.0f);
    EXPECT_EQ(four_three.fade_half_height, 17.0f);
}

TEST(ViewGeometry, PortraitKeepsNinetyDegreesAcross) {
    const ViewGeometry view = ViewGeometryFor(1080, 1920);
    const double half_x = std::tan(view.field_of_view_y / 2 * M_PI / 180) * view.aspect;
    EXPECT_NEAR(half_x, 1.0, 1e-9);
    EXPECT_GT(view.field_of_view_y, 90.0);
}

TEST(ViewGeometry, FadeQuadCoversTheViewOnEveryShape) {
    for (auto [w, h] : {std::pair{640, 480}, std::pair{3440, 1440}, std::pair{5120, 1440},
                        std::pair{1080, 1920}, std::pair{600, 1920}, std::pair{1, 0}}) {
        const ViewGeometry view = ViewGeometryFor(w, h);
        const double half_height = 15.0 * std::tan(view.field_of_view_y / 2 * M_PI / 180);
        EXPECT_GT(view.fade_half_height, half_height) << w << "x" << h;
        EXPECT_GT(view.fade_half_width, half_height * view.aspect) << w << "x" << h;
    }
}

}  // namespace
}  // namespace velmora::renderer
