#include "saver/core/user_input.h"

#include <cstdlib>

#include "contract/run_contract.h"

namespace velmora::saver {

bool InputBetween(const InputSight& before, const InputSight& now) {
    const bool input_time_moved = now.last_input_tick != before.last_input_tick;
    if (!before.cursor || !now.cursor) {
        return input_time_moved;
    }
    const std::int64_t moved = std::llabs(std::int64_t{now.cursor->x} - before.cursor->x) +
                               std::llabs(std::int64_t{now.cursor->y} - before.cursor->y);
    return moved > contract::kMouseJitterPixels || (moved == 0 && input_time_moved);
}

}  // namespace velmora::saver
