#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "renderer/core/effect_instance.h"
#include "renderer/core/frame_clock.h"

namespace velmora::renderer {
namespace {

constexpr float kFade = 0.353f;
constexpr double kKept = 1.0 - kFade;  // the share one sixtieth keeps
constexpr int kRefreshRates[] = {60, 75, 120, 144, 240};

// The steps of `seconds` of frames tied to a display of `hz`, each frame's
// start a little early or late as real swaps are.
std::vector<FrameStep> StepsAt(int hz, double seconds) {
    FrameClock clock(kFade);
    std::vector<FrameStep> steps;
    const double period_us = 1e6 / hz;
    for (int i = 0; i < hz * seconds; ++i) {
        const double jitter = (i % 3 - 1) * 0.02 * period_us;
        steps.push_back(clock.Next(std::llround(i * period_us + jitter)));
    }
    return steps;
}

TEST(FrameClock, ParticlesAndWarpMoveAsFarEverySecondAtEveryRefreshRate) {
    EffectParameters parameters = StandardEffectParameters();
    const EffectGains gains = DeriveEffectGains(parameters);
    for (int hz : kRefreshRates) {
        Random15 random(5);
        EffectInstance instance = CreateEffectInstance(parameters, random);
        instance.particles[0].z = -15.0f;
        instance.phase[0] = 0.0f;
        for (const FrameStep& step : StepsAt(hz, 1.0)) {
            SimulateFrame(instance, parameters, gains, random, step.steps);
        }
        // 60 sixtieths of 0.15 units, and of the phase's rate.
        EXPECT_NEAR(instance.particles[0].z + 15.0f, 9.0f, 0.9f) << hz << " Hz";
        EXPECT_NEAR(instance.phase[0], instance.rate[0] * 60.0f, instance.rate[0] * 6.0f)
            << hz << " Hz";
    }
}

TEST(FrameClock, TrailsFadeAndGlowAsAtSixtyHertz) {
    for (int hz : kRefreshRates) {
        // A pixel lit in every frame: darkened by the frame's fade, then lit.
        double lit = 0.0;
        double lit_last_second = 0.0;
        double kept = 1.0;
        const std::vector<FrameStep> steps = StepsAt(hz, 4.0);
        for (size_t i = 0; i < steps.size(); ++i) {
            const FrameStep& step = steps[i];
            if (step.darkening > 0.0f) {
                // Every darkening takes a dim 8-bit level down at least by one.
                EXPECT_LE((1.0 - step.darkening) * 2.0, 1.5) << hz << " Hz";
            }
            kept *= 1.0 - step.darkening;
            lit = lit * (1.0 - step.darkening) + step.light;
            if (i >= steps.size() - static_cast<size_t>(hz)) {
                lit_last_second += lit / hz;
            }
        }
        // The picture darkens by as many sixtieths as there were.
        EXPECT_NEAR(std::log(kept) / std::log(kKept), 240.0, 24.0) << hz << " Hz";
        // At 60 Hz it settles at 1 / (1 - 0.647).
        EXPECT_NEAR(lit_last_second, 1.0 / (1.0 - kKept), 0.1 / (1.0 - kKept)) << hz << " Hz";
    }
}

TEST(FrameClock, FirstFrameIsOneStepAndAStallCountsAtMostFour) {
    FrameClock clock(kFade);
    const FrameStep first = clock.Next(5'000'000);
    EXPECT_EQ(first.steps, 1.0f);
    EXPECT_EQ(first.darkening, kFade);
    EXPECT_EQ(first.light, 1.0f);
    EXPECT_EQ(clock.Next(9'000'000).steps, 4.0f);
    const FrameStep same_time = clock.Next(9'000'000);
    EXPECT_EQ(same_time.steps, 0.0f);
    EXPECT_EQ(same_time.light, 0.0f);

    // Hours with the displays off: the frame after them is a stall like any
    // other, darkening as much as four plain steps.
    const int64_t back_us = 9'000'000 + 5LL * 3600 * 1'000'000;
    const FrameStep after_pause = clock.Next(back_us);
    EXPECT_EQ(after_pause.steps, 4.0f);
    double kept = 1.0;  // after the four plain steps that follow
    for (int i = 1; i <= 4; ++i) {
        kept *= 1.0 - clock.Next(back_us + i * 16'667).darkening;
    }
    EXPECT_NEAR(1.0 - after_pause.darkening, kept, 1e-4);
}

}  // namespace
}  // namespace velmora::renderer
