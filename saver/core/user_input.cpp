#include "saver/core/user_input.h"

#include "contract/input_rule.h"

namespace velmora::saver {

void InputWatch::Follow(const InputSight& look, std::uint64_t now_ms) {
    if (last_.cursor && look.cursor &&
        (look.cursor->x != last_.cursor->x || look.cursor->y != last_.cursor->y)) {
        moved_ms_ = now_ms;
    }
    last_ = look;
}

bool InputWatch::Judge(const InputSight& look, std::uint64_t now_ms) {
    const InputSight before = last_;
    Follow(look, now_ms);
    const bool input_time_moved = look.last_input_tick != before.last_input_tick;
    if (!before.cursor || !look.cursor) {
        return input_time_moved;
    }
    const std::int64_t dx = std::int64_t{look.cursor->x} - before.cursor->x;
    const std::int64_t dy = std::int64_t{look.cursor->y} - before.cursor->y;
    if (contract::MovedByUser(dx, dy)) {
        return true;
    }
    const bool still_long = !moved_ms_ || now_ms - *moved_ms_ >= kMovementEchoMs;
    return input_time_moved && still_long;
}

}  // namespace velmora::saver
