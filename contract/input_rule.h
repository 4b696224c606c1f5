#pragma once
// How both programs tell the user's mouse movement from jitter: the renderer
// from its window's cursor messages, Velmora.scr from its own looks at the
// cursor. One rule, so the two never disagree about whether the user moved.

#include <cstdint>
#include <cstdlib>

#include "contract/run_contract.h"

namespace velmora::contract {

// Whether the cursor's movement by (dx, dy) pixels between two looks is the
// user's: more than kMouseJitterPixels, counted city-block. A smaller one is
// jitter, and the next look is measured from where it went.
inline bool MovedByUser(std::int64_t dx, std::int64_t dy) {
    return std::llabs(dx) + std::llabs(dy) > kMouseJitterPixels;
}

}  // namespace velmora::contract
