// Input as the run window tells it from two looks at the platform.

#include "saver/core/user_input.h"

#include <gtest/gtest.h>

#include "contract/run_contract.h"

namespace velmora::saver {
namespace {

constexpr int kJitter = contract::kMouseJitterPixels;

bool Between(InputSight before, std::uint32_t tick, std::optional<ScreenPoint> cursor) {
    return InputBetween(before, {tick, cursor});
}

TEST(InputBetween, AMovementBeyondTheJitterOrAKeyWithTheCursorStillIsInput) {
    const InputSight before{100, ScreenPoint{50, 50}};
    // Movements move the last-input time along with the cursor.
    EXPECT_FALSE(Between(before, 120, ScreenPoint{50 - 2, 50 + kJitter - 2}));
    EXPECT_TRUE(Between(before, 120, ScreenPoint{50 - 3, 50 - kJitter + 2}));
    EXPECT_TRUE(Between(before, 100, ScreenPoint{50, 50 + 400}));  // moved by a program
    // A key, a button, the wheel: the time moves, the cursor stays.
    EXPECT_TRUE(Between(before, 101, ScreenPoint{50, 50}));
    EXPECT_FALSE(Between(before, 100, ScreenPoint{50, 50}));
    // The time wraps round as the platform's does.
    EXPECT_TRUE(InputBetween({0xFFFFFFF0u, ScreenPoint{0, 0}}, {5, ScreenPoint{0, 0}}));
    // Far apart on a desktop whose monitors lie left of and above the first.
    EXPECT_TRUE(InputBetween({1, ScreenPoint{-30000, -30000}}, {1, ScreenPoint{30000, 30000}}));
}

TEST(InputBetween, WithoutTheCursorTheLastInputTimeAloneTells) {
    const InputSight unknown{100, std::nullopt};
    EXPECT_TRUE(Between(unknown, 101, ScreenPoint{50, 50}));
    EXPECT_FALSE(Between({100, ScreenPoint{50, 50}}, 100, std::nullopt));
}

}  // namespace
}  // namespace velmora::saver
