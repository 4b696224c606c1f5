#include "renderer/core/frame_pacer.h"

namespace velmora::renderer {
namespace {
// Frames may come this much faster than the interval.
constexpr double kHeadroom = 1.03;
}  // namespace

void FramePacer::ChangeInterval(int64_t frame_interval_us) {
    interval_us_ = static_cast<int64_t>(static_cast<double>(frame_interval_us) / kHeadroom);
}

int64_t FramePacer::WaitBeforeFrame(int64_t now_us) const {
    if (!started_ || now_us >= next_frame_us_) {
        return 0;
    }
    return next_frame_us_ - now_us;
}

uint32_t FramePacer::SleepBeforeFrameMs(int64_t now_us) const {
    return static_cast<uint32_t>(WaitBeforeFrame(now_us) / 1000);
}

void FramePacer::FrameStarted(int64_t now_us) {
    // On schedule, or late by less than a frame: keep the schedule. Later
    // than that (a slow frame, a swap that waited): start a new one, so no
    // backlog of frames is ever rushed out.
    if (!started_ || now_us - next_frame_us_ > interval_us_) {
        next_frame_us_ = now_us + interval_us_;
    } else {
        next_frame_us_ += interval_us_;
    }
    started_ = true;
}

}  // namespace velmora::renderer
