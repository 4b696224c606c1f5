#include "renderer/core/frame_clock.h"

#include <algorithm>
#include <cmath>

namespace velmora::renderer {
namespace {
constexpr double kMicrosecondsPerStep = 1e6 / 60.0;
constexpr float kMostSteps = 4.0f;
// The darkening waits until this much time has gathered.
constexpr float kLeastFadeSteps = 0.7f;
}  // namespace

FrameStep FrameClock::Next(int64_t now_us) {
    FrameStep step;
    if (started_) {
        const double elapsed = static_cast<double>(now_us - last_us_) / kMicrosecondsPerStep;
        step.steps = static_cast<float>(std::clamp(elapsed, 0.0, static_cast<double>(kMostSteps)));
    }
    started_ = true;
    last_us_ = now_us;

    unfaded_steps_ += step.steps;
    if (unfaded_steps_ >= kLeastFadeSteps) {
        // One sixtieth darkens as tuned; any other time as much as that many
        // sixtieths would.
        step.darkening = unfaded_steps_ == 1.0f ? darkening_per_step_
                                                : 1.0f - std::pow(kept_per_step_, unfaded_steps_);
        unfaded_steps_ = 0.0f;
    }

    // With additive light, a pixel lit in every frame settles at the light
    // added per darkening over the share taken away: the light of one
    // darkening cycle of t steps is scaled by (1 - k^t) / (t (1 - k)).
    if (step.steps <= 0.0f) {
        step.light = 0.0f;
    } else if (step.steps != 1.0f) {
        const double k = kept_per_step_;
        const double cycle = step.steps * std::ceil(kLeastFadeSteps / step.steps);
        const double per_step = (1.0 - std::pow(k, cycle)) / (cycle * (1.0 - k));
        step.light = static_cast<float>(step.steps * per_step);
    }
    return step;
}

}  // namespace velmora::renderer
