#include "renderer/core/random15.h"

namespace velmora::renderer {
namespace {
uint32_t state = 0;
}

void seed_random15(uint32_t seed) {
    state = seed;
}

int32_t random15() {
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}

uint32_t random15_state() {
    return state;
}

}  // namespace velmora::renderer
