#include "renderer/core/foreground_pursuit.h"

namespace velmora::renderer {

bool ForegroundPursuit::AskAgain(bool window_holds_foreground) {
    // One ask past the timeout: the lock counts from the last input, which
    // came before the first ask.
    if (window_holds_foreground || asked_for_ms_ > lock_timeout_ms_) {
        return false;
    }
    asked_for_ms_ += kForegroundAskIntervalMs;
    return true;
}

}  // namespace velmora::renderer
