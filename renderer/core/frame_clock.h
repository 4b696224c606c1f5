#pragma once
// The frame step: how far each frame moves the effect on and how much it darkens the picture.

#include <cstdint>

namespace velmora::renderer {

// How much one frame moves the effect on. The effect is tuned in sixtieths
// of a second: a frame at 60 Hz is one step, at 240 Hz a quarter.
struct FrameStep {
    // Time since the previous frame, in sixtieths of a second.
    float steps = 1.0f;
    // Alpha of this frame's darkening of the kept picture: as much as the
    // time it makes up for would darken; 0 leaves the picture as it is.
    float darkening = 0.0f;
    // Scale of the light each point adds, so the trails glow as brightly as
    // at 60 Hz.
    float light = 1.0f;
};

// Turns the clock into frame steps. At high refresh rates the darkening is
// gathered over a few frames, so that no single darkening is too slight to
// take a dim 8-bit pixel down a level (which would leave a haze behind).
class FrameClock {
  public:
    // `darkening_per_step`: the darkening of one sixtieth of a second, as tuned.
    explicit FrameClock(float darkening_per_step)
        : darkening_per_step_(darkening_per_step), kept_per_step_(1.0f - darkening_per_step) {}

    // The step of the frame that starts at `now_us` (microseconds). The first
    // frame is one step; a stall (the password dialog) counts at most a few.
    FrameStep Next(int64_t now_us);

  private:
    float darkening_per_step_;
    float kept_per_step_;
    bool started_ = false;
    int64_t last_us_ = 0;
    float unfaded_steps_ = 0.0f;
};

}  // namespace velmora::renderer
