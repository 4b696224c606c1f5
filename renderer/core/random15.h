#pragma once
// The effect's random generator.

#include <cstdint>

namespace velmora::renderer {

// The effect's random generator: a 32-bit linear congruential state that
// yields 15-bit values (0 .. 32767). It runs on from the creation of the
// clouds through every respawn.
class Random15 {
  public:
    explicit Random15(uint32_t seed = 0) : state_(seed) {}

    int32_t Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFFu);
    }
    uint32_t State() const { return state_; }

    // The generator of one run: seeded from the clock (seconds since 1970),
    // its first five values thrown away.
    static Random15 ForRun(uint32_t seconds_since_1970) {
        Random15 random(seconds_since_1970);
        for (int i = 0; i < 5; ++i) {
            random.Next();
        }
        return random;
    }

  private:
    uint32_t state_;
};

}  // namespace velmora::renderer
