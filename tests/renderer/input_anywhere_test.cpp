#include <gtest/gtest.h>

#include "renderer/core/background_input.h"
#include "renderer/core/foreground_pursuit.h"

namespace velmora::renderer {
namespace {

// Raw input ends the run on what the window's own messages end it on: a key
// going down, repeats included, and the left, right or middle button going
// down; not on releases, the wheel, the side buttons or movement.
TEST(RawInput, KeysAndButtonsGoingDownAreTheWindowsInputEvents) {
    const auto event_of = [](RawInputRecord record) {
        WindowEventKind kind = WindowEventKind::Created;
        return EventForRawInput(record, kind) ? kind : WindowEventKind::Created;
    };
    // An extended key (the arrows, the right Ctrl) has a flag of its own.
    constexpr uint16_t kExtendedKey = 0x0002;
    EXPECT_EQ(event_of({raw_input::kKeyboard, kExtendedKey, 0}), WindowEventKind::KeyPressed);
    EXPECT_EQ(event_of({raw_input::kKeyboard, raw_input::kKeyReleased | kExtendedKey, 0}),
              WindowEventKind::Created);
    for (uint16_t down :
         {raw_input::kLeftButtonDown, raw_input::kRightButtonDown, raw_input::kMiddleButtonDown}) {
        EXPECT_EQ(event_of({raw_input::kMouse, 0, down}), WindowEventKind::ButtonPressed);
    }
    constexpr uint16_t kLeftUp = 0x0002, kSideDown = 0x0040, kWheel = 0x0400;
    for (uint16_t other : {uint16_t{0}, kLeftUp, kSideDown, kWheel}) {
        EXPECT_EQ(event_of({raw_input::kMouse, 0, other}), WindowEventKind::Created) << other;
    }
    // A release and a press reported together is still a press.
    EXPECT_EQ(event_of({raw_input::kMouse, 0, kLeftUp | raw_input::kRightButtonDown}),
              WindowEventKind::ButtonPressed);
    constexpr uint32_t kOtherDevice = 2;
    EXPECT_EQ(event_of({kOtherDevice, 0, raw_input::kLeftButtonDown}), WindowEventKind::Created);
}

// Refused, the renderer asks each second until the lock's timeout is past
// (one ask more, as the lock counts from the input before the first ask);
// once the window holds the foreground it stops.
TEST(ForegroundPursuit, AsksAgainUntilHeldOrTheLockTimeoutIsOver) {
    const auto asks_while_refused = [](uint32_t lock_timeout_ms) {
        ForegroundPursuit pursuit(lock_timeout_ms);
        int asks = 1;
        while (pursuit.AskAgain(false) && asks < 1000) {
            ++asks;
        }
        return asks;
    };
    EXPECT_EQ(asks_while_refused(200000), 202);
    EXPECT_EQ(asks_while_refused(0), 2);

    ForegroundPursuit refused_at_first(200000);
    EXPECT_TRUE(refused_at_first.AskAgain(false));
    EXPECT_TRUE(refused_at_first.AskAgain(false));
    EXPECT_FALSE(refused_at_first.AskAgain(true));
}

}  // namespace
}  // namespace velmora::renderer
