#pragma once
// Frame pacing where the driver's swap does not wait for the display's refresh.

#include <cstdint>

namespace velmora::renderer {

// Keeps frames from running faster than the display refreshes where the
// driver's swap does not wait for the refresh itself, so no frame is drawn
// that the display never shows. The target rate is a little above the
// refresh rate, so that a swap that does wait for the refresh is never
// delayed by the pacer.
class FramePacer {
  public:
    // A refresh rate of 0 or 1 means the display's default: 60 Hz is assumed.
    explicit FramePacer(int refresh_hz);

    // Microseconds to wait before the next frame may start.
    int64_t WaitBeforeFrame(int64_t now_us) const;
    // Records the start of a frame.
    void FrameStarted(int64_t now_us);

    int64_t FrameIntervalUs() const { return interval_us_; }

  private:
    int64_t interval_us_;
    int64_t next_frame_us_ = 0;
    bool started_ = false;
};

}  // namespace velmora::renderer
