#pragma once
// Frame pacing where the driver's swap does not wait for the display's refresh.

#include <cstdint>

namespace velmora::renderer {

// Keeps frames from coming faster than the frame budget's interval where the
// driver's swap does not wait for the refresh itself, so no frame is drawn
// that the display never shows. The pacer lets frames come a little faster
// than the interval, so that a swap that does wait for the refresh is never
// delayed by the pacer.
class FramePacer {
  public:
    explicit FramePacer(int64_t frame_interval_us) { ChangeInterval(frame_interval_us); }

    // The budget changed: the next frames keep to the new interval.
    void ChangeInterval(int64_t frame_interval_us);

    // Microseconds to wait before the next frame may start.
    int64_t WaitBeforeFrame(int64_t now_us) const;
    // The whole milliseconds the loop sleeps before the next frame, as the
    // system's timed waits count; 0 where the frame may start now, a wait
    // under a millisecond included (the next frame is that little early).
    uint32_t SleepBeforeFrameMs(int64_t now_us) const;
    // Records the start of a frame.
    void FrameStarted(int64_t now_us);

  private:
    int64_t interval_us_ = 0;
    int64_t next_frame_us_ = 0;
    bool started_ = false;
};

}  // namespace velmora::renderer
