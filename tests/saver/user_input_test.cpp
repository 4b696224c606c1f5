// Input as the run window tells it from two looks at the platform.

#include "saver/core/user_input.h"

#include <gtest/gtest.h>

#include "contract/run_contract.h"
#include "renderer/core/window_rules.h"
#include "tests/support/no_password_port.h"

namespace velmora::saver {
namespace {

constexpr int kJitter = contract::kMouseJitterPixels;

// Whether a look long after `before` (the cursor still since) finds input.
bool Between(InputSight before, std::uint32_t tick, std::optional<ScreenPoint> cursor) {
    InputWatch watch;
    watch.Follow(before, 0);
    return watch.Judge({tick, cursor}, kMovementEchoMs);
}

TEST(InputWatch, AMovementBeyondTheJitterOrAKeyWithTheCursorStillIsInput) {
    const InputSight before{100, ScreenPoint{50, 50}};
    // Movements move the last-input time along with the cursor.
    EXPECT_FALSE(Between(before, 120, ScreenPoint{50 - 2, 50 + kJitter - 2}));
    EXPECT_TRUE(Between(before, 120, ScreenPoint{50 - 3, 50 - kJitter + 2}));
    EXPECT_TRUE(Between(before, 100, ScreenPoint{50, 50 + 400}));  // moved by a program
    // A key, a button, the wheel: the time moves, the cursor stays.
    EXPECT_TRUE(Between(before, 101, ScreenPoint{50, 50}));
    EXPECT_FALSE(Between(before, 100, ScreenPoint{50, 50}));
    // The time wraps round as the platform's does.
    EXPECT_TRUE(Between({0xFFFFFFF0u, ScreenPoint{0, 0}}, 5, ScreenPoint{0, 0}));
    // Far apart on a desktop whose monitors lie left of and above the first.
    EXPECT_TRUE(Between({1, ScreenPoint{-30000, -30000}}, 1, ScreenPoint{30000, 30000}));
}

TEST(InputWatch, WithoutTheCursorTheLastInputTimeAloneTells) {
    const InputSight unknown{100, std::nullopt};
    EXPECT_TRUE(Between(unknown, 101, ScreenPoint{50, 50}));
    EXPECT_FALSE(Between({100, ScreenPoint{50, 50}}, 100, std::nullopt));
}

TEST(InputWatch, TheInputTimeMovingSoonAfterASmallMovementIsThatMovement) {
    InputWatch watch;
    watch.Follow({100, ScreenPoint{50, 50}}, 0);
    EXPECT_FALSE(watch.Judge({100, ScreenPoint{52, 51}}, 50));  // jitter, its time told late
    EXPECT_FALSE(watch.Judge({130, ScreenPoint{52, 51}}, 100));
    EXPECT_FALSE(watch.Judge({140, ScreenPoint{52, 51}}, 50 + kMovementEchoMs - 1));
    EXPECT_TRUE(watch.Judge({150, ScreenPoint{52, 51}}, 50 + kMovementEchoMs));  // a key
    // Looks that only follow still see the cursor move.
    watch.Follow({150, ScreenPoint{53, 51}}, 2000);
    EXPECT_FALSE(watch.Judge({160, ScreenPoint{53, 51}}, 2050));
    EXPECT_TRUE(watch.Judge({160, ScreenPoint{53 + kJitter + 1, 51}}, 2100));
}

// The renderer ends itself on a movement exactly when Velmora.scr takes it
// for input: every step around a point, as the renderer's second move (its
// first after creation is not counted) and as the run window's next look.
TEST(InputWatch, TheRendererAndTheRunWindowJudgeEveryMovementAlike) {
    velmora::testing::NoPasswordPort password;
    using renderer::WindowEventKind;
    for (int dx = -2 * kJitter; dx <= 2 * kJitter; ++dx) {
        for (int dy = -2 * kJitter; dy <= 2 * kJitter; ++dy) {
            if (dx == 0 && dy == 0) {
                continue;  // no movement: with the time moved, a key
            }
            renderer::HostState state;
            const ScreenPoint from{500, 400};
            renderer::HandleWindowEvent(state, {WindowEventKind::Created, from}, password);
            renderer::HandleWindowEvent(state, {WindowEventKind::MouseMoved, from}, password);
            const bool renderer_ends =
                renderer::HandleWindowEvent(
                    state, {WindowEventKind::MouseMoved, {from.x + dx, from.y + dy}}, password)
                    .post_close;
            // A movement moves the last-input time too.
            const bool input = Between({100, ScreenPoint{from.x, from.y}}, 120,
                                       ScreenPoint{from.x + dx, from.y + dy});
            EXPECT_EQ(renderer_ends, input) << dx << "," << dy;
        }
    }
}

}  // namespace
}  // namespace velmora::saver
