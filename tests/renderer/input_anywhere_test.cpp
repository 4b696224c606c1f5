#include <gtest/gtest.h>

#include "renderer/core/background_input.h"
#include "renderer/core/cursor_watch.h"
#include "renderer/core/foreground_pursuit.h"
#include "tests/support/no_password_port.h"

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

// Where the picture fell back to the primary monitor, a move on another one
// reaches the window only as a look at the cursor: the looks that find it
// moving beyond the window go through the mouse-move rule, and end the run as
// moves over the window would.
TEST(CursorWatch, MovesBeyondAnUncoveringWindowEndTheRun) {
    const ScreenRect primary{0, 0, 1920, 1080};
    const DesktopShape desktop{0, 0, 17280, 1080, 2};
    EXPECT_FALSE(WindowCoversDesktop(primary, desktop));
    EXPECT_TRUE(WindowCoversDesktop(ScreenRect{0, 0, 17280, 1080}, desktop));
    EXPECT_FALSE(WindowCoversDesktop(ScreenRect{1, 0, 17280, 1080}, desktop));

    velmora::testing::NoPasswordPort password;
    const auto run_ends = [&](std::initializer_list<ScreenPoint> looks) {
        HostState state;
        HandleWindowEvent(state, {WindowEventKind::Created, ScreenPoint{5000, 500}, {}, desktop},
                          password);
        CursorWatch watch;
        for (const ScreenPoint look : looks) {
            if (watch.MovedBeyond(look, primary) &&
                HandleWindowEvent(state, {WindowEventKind::MouseMoved, look, {}, desktop}, password)
                    .post_close &&
                !HandleWindowEvent(state, {WindowEventKind::CloseRequested, look, {}, desktop},
                                   password)
                     .answered) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(run_ends({{5000, 500}, {5003, 500}, {5010, 500}, {5020, 500}}));
    EXPECT_FALSE(run_ends({{5000, 500}, {5000, 500}, {5000, 500}})) << "a still cursor";
    EXPECT_FALSE(run_ends({{5000, 500}, {5002, 501}, {5004, 502}, {5002, 500}})) << "jitter";
    // Over the window its own messages tell; the watch leaves those moves alone.
    EXPECT_FALSE(run_ends({{100, 100}, {300, 300}, {600, 600}}));
}

}  // namespace
}  // namespace velmora::renderer
