#include "saver/core/user_input.h"

#include "contract/input_rule.h"

namespace velmora::saver {

bool InputBetween(const InputSight& before, const InputSight& now) {
    const bool input_time_moved = now.last_input_tick != before.last_input_tick;
    if (!before.cursor || !now.cursor) {
        return input_time_moved;
    }
    const std::int64_t dx = std::int64_t{now.cursor->x} - before.cursor->x;
    const std::int64_t dy = std::int64_t{now.cursor->y} - before.cursor->y;
    return contract::MovedByUser(dx, dy) || (dx == 0 && dy == 0 && input_time_moved);
}

}  // namespace velmora::saver
