#pragma once
// Whether the renderer asks the system for the foreground again.
//
// The system hands a program the foreground only under its rules (the
// program was given the right, had the last input, or the foreground lock's
// timeout has passed since the last input). Until its window holds the
// foreground, keys go to the window that has the focus; the renderer sees
// them anyway (as raw input), and asks again every second until the window
// holds it or the lock's timeout is over, after which an ask cannot be
// refused for the lock's sake.

#include <cstdint>

namespace velmora::renderer {

inline constexpr uint32_t kForegroundAskIntervalMs = 1000;

class ForegroundPursuit {
  public:
    // `lock_timeout_ms`: the system's foreground lock timeout.
    explicit ForegroundPursuit(uint32_t lock_timeout_ms) : lock_timeout_ms_(lock_timeout_ms) {}

    // After an ask: whether the window holds the foreground now. True when to
    // ask again in kForegroundAskIntervalMs.
    bool AskAgain(bool window_holds_foreground);

  private:
    uint32_t lock_timeout_ms_;
    uint64_t asked_for_ms_ = 0;  // since the first ask
};

}  // namespace velmora::renderer
