#pragma once

#include <cstdint>

namespace velmora::renderer {

// The effect's random generator: a 32-bit linear congruential state that
// yields 15-bit values (0 .. 32767). One process-wide state, as the effect is
// single-threaded; it runs on from creation through every respawn.
void seed_random15(uint32_t seed);
int32_t random15();
uint32_t random15_state();

}  // namespace velmora::renderer
