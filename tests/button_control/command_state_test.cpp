// The control's visual states, their transitions, pictures and clicks.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "button_control/core/command.h"
#include "tests/button_control/recording_site.h"

namespace velmora::button_control {
namespace {

using P = StatePicture;

enum class Event { MouseMove, GotFocus, LostFocus, TimerOutside, TimerInside, LeftDown, LeftUp };

class CommandStateTest : public ::testing::Test {
  protected:
    // An enabled control as a container restores it (an empty stored layout).
    void Load() {
        holder.emplace(site, Scale{});
        command.UserControl_ReadProperties(PropertyBag{});
        site.Clear();
    }

    // Brings a loaded control into `state` by the ordinary road.
    void Reach(int state) {
        Load();
        if (state >= 1) {
            command.Initialize();
        }
        if (state == 2 || state == 4) {
            command.UserControl_MouseMove();
        }
        if (state == 3 || state == 4) {
            command.UserControl_GotFocus();
        }
        ASSERT_EQ(command.State().ButtonState, state);
        site.Clear();
    }

    void Fire(Event event) {
        switch (event) {
            case Event::MouseMove:
                command.UserControl_MouseMove();
                break;
            case Event::GotFocus:
                command.UserControl_GotFocus();
                break;
            case Event::LostFocus:
                command.UserControl_LostFocus();
                break;
            case Event::TimerOutside:
                command.TmrMouse_Timer(false);
                break;
            case Event::TimerInside:
                command.TmrMouse_Timer(true);
                break;
            case Event::LeftDown:
                command.UserControl_MouseDown(kLeftButton);
                break;
            case Event::LeftUp:
                command.UserControl_MouseUp(kLeftButton);
                break;
        }
    }

    RecordingSite site;
    std::optional<Command> holder{std::in_place, site, Scale{}};
    Command& command = *holder;  // emplace keeps the address
};

struct Row {
    int from;
    Event event;
    int to;
    std::vector<P> painted;
};

TEST_F(CommandStateTest, EveryTransitionOfTheTable) {
    const std::vector<Row> rows = {
        {1, Event::MouseMove, 2, {P::HighLight}},
        {2, Event::GotFocus, 4, {P::Pressed}},
        {0, Event::GotFocus, 3, {P::Selected}},
        {1, Event::GotFocus, 3, {P::Selected}},
        {3, Event::GotFocus, 3, {P::Selected}},
        {4, Event::GotFocus, 3, {P::Selected}},
        {3, Event::MouseMove, 4, {P::HighLightSelect}},
        {2, Event::TimerOutside, 1, {P::Normal}},
        {4, Event::TimerOutside, 3, {P::Selected}},
        {0, Event::LostFocus, 1, {P::Normal}},
        {2, Event::LostFocus, 1, {P::Normal}},
        {3, Event::LostFocus, 1, {P::Normal}},
        {4, Event::LostFocus, 1, {P::Normal}},
        {0, Event::LeftDown, 0, {P::Pressed}},
        {1, Event::LeftDown, 1, {P::Pressed}},
        {2, Event::LeftDown, 2, {P::Pressed}},
        {3, Event::LeftDown, 3, {P::Pressed}},
        {4, Event::LeftDown, 4, {P::Pressed}},
        {2, Event::LeftUp, 2, {P::Normal}},
        {4, Event::LeftUp, 4, {P::HighLightSelect}},
        // Events that change nothing and paint nothing.
        {0, Event::MouseMove, 0, {}},
        {2, Event::MouseMove, 2, {}},
        {4, Event::MouseMove, 4, {}},
        {1, Event::LostFocus, 1, {}},
        {1, Event::TimerOutside, 1, {}},
        {3, Event::TimerOutside, 3, {}},
        {2, Event::TimerInside, 2, {}},
        {4, Event::TimerInside, 4, {}},
        {1, Event::LeftUp, 1, {}},
        {3, Event::LeftUp, 3, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "from " << row.from << " event " << static_cast<int>(row.event));
        Reach(row.from);
        Fire(row.event);
        EXPECT_EQ(command.State().ButtonState, row.to);
        EXPECT_EQ(site.paints, row.painted);
    }
}

TEST_F(CommandStateTest, InitializeStartsTheHundredMillisecondPoll) {
    Load();
    EXPECT_EQ(site.timer_interval, 0);
    EXPECT_EQ(command.State().ButtonState, StateBeforeInitialize);
    command.Initialize();
    EXPECT_EQ(site.timer_interval, 100);
    EXPECT_EQ(command.State().ButtonState, StateNormal);
}

TEST_F(CommandStateTest, LeftClickOnHoveredButtonFocusesPressesAndClicksOnce) {
    Reach(2);
    // The platform moves the focus before it reports the press.
    command.UserControl_GotFocus();
    command.UserControl_MouseDown(kLeftButton);
    EXPECT_TRUE(command.State().MouseIsDown);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Pressed, P::Pressed}));
    EXPECT_EQ(site.clicks, 0);
    command.UserControl_MouseUp(kLeftButton);
    EXPECT_FALSE(command.State().MouseIsDown);
    EXPECT_EQ(site.paints.back(), P::HighLightSelect);
    EXPECT_EQ(site.clicks, 1);
    EXPECT_EQ(command.State().ButtonState, StateFocusHover);
}

TEST_F(CommandStateTest, PressDraggedOffPastATimerTickIsCancelled) {
    Reach(4);
    command.UserControl_MouseDown(kLeftButton);
    command.TmrMouse_Timer(false);  // the poll sees the cursor outside
    EXPECT_EQ(site.paints.back(), P::Selected);
    // Coming back while the left button is still held does not re-arm the press.
    command.UserControl_MouseMove();
    EXPECT_EQ(command.State().ButtonState, StateFocus);
    command.UserControl_MouseUp(kLeftButton);
    EXPECT_EQ(site.clicks, 0);
    EXPECT_EQ(site.paints.back(), P::Selected);
    // Once released, hovering works again.
    command.UserControl_MouseMove();
    EXPECT_EQ(command.State().ButtonState, StateFocusHover);
}

TEST_F(CommandStateTest, ReleaseBeforeTheNextTickStillClicks) {
    Reach(4);
    command.UserControl_MouseDown(kLeftButton);
    // Dragged off, but released before the poll ran.
    command.UserControl_MouseUp(kLeftButton);
    EXPECT_EQ(site.clicks, 1);
}

TEST_F(CommandStateTest, RightAndMiddleReleasesClickWithoutAPressPicture) {
    for (int button : {kRightButton, kMiddleButton}) {
        Reach(2);
        command.UserControl_MouseDown(button);
        EXPECT_FALSE(command.State().MouseIsDown);
        command.UserControl_MouseUp(button);
        EXPECT_TRUE(site.paints.empty());
        EXPECT_EQ(site.clicks, 1);
        EXPECT_EQ(command.State().ButtonState, StateHover);
        EXPECT_FALSE(command.TakesFocusOnPress(button));
    }
    EXPECT_TRUE(command.TakesFocusOnPress(kLeftButton));
}

TEST_F(CommandStateTest, DoubleClickGivesTwoClicks) {
    Reach(4);
    command.UserControl_MouseDown(kLeftButton);
    command.UserControl_MouseUp(kLeftButton);
    // The second press comes as a double-click notification, which the
    // control does not handle; its release clicks again.
    command.UserControl_MouseUp(kLeftButton);
    EXPECT_EQ(site.clicks, 2);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Pressed, P::HighLightSelect, P::HighLightSelect}));
}

TEST_F(CommandStateTest, NeverInitialisedControl) {
    Load();
    command.UserControl_MouseMove();
    command.TmrMouse_Timer(false);
    EXPECT_EQ(command.State().ButtonState, StateBeforeInitialize);
    EXPECT_TRUE(site.paints.empty());
    EXPECT_EQ(site.timer_interval, 0);

    // The first left click focuses it and shows the press, without a Click.
    command.UserControl_GotFocus();
    command.UserControl_MouseDown(kLeftButton);
    command.UserControl_MouseUp(kLeftButton);
    EXPECT_EQ(command.State().ButtonState, StateFocus);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Selected, P::Pressed}));
    EXPECT_EQ(site.clicks, 0);

    // A hover look reached later stays until the focus moves away.
    command.UserControl_MouseMove();
    EXPECT_EQ(command.State().ButtonState, StateFocusHover);
    command.UserControl_LostFocus();
    EXPECT_EQ(command.State().ButtonState, StateNormal);
    EXPECT_EQ(site.paints.back(), P::Normal);
}

TEST_F(CommandStateTest, DisabledControlIgnoresEverythingWhileItsTimerRuns) {
    Reach(2);
    command.Enabled(false);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Disable}));
    EXPECT_FALSE(command.LblMsg().Enabled);
    site.Clear();
    for (Event event : {Event::MouseMove, Event::GotFocus, Event::LostFocus, Event::TimerOutside,
                        Event::LeftDown, Event::LeftUp}) {
        Fire(event);
    }
    command.UserControl_MouseUp(kRightButton);
    EXPECT_EQ(command.State().ButtonState, StateHover);
    EXPECT_FALSE(command.State().MouseIsDown);
    EXPECT_TRUE(site.paints.empty());
    EXPECT_EQ(site.clicks, 0);
    EXPECT_FALSE(command.TakesFocusOnPress(kLeftButton));
    EXPECT_EQ(site.timer_interval, 100);

    // Enabled again it paints Normal whatever its state, which it keeps.
    command.Enabled(true);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(command.State().ButtonState, StateHover);
}

TEST_F(CommandStateTest, ResizePaintsTheEnabledLookEvenWhenDisabled) {
    command.UserControl_Resize();  // a freshly placed control: not yet enabled
    EXPECT_EQ(site.paints, (std::vector<P>{P::Disable}));
    EXPECT_FALSE(command.LblMsg().Enabled);
    Reach(3);
    command.UserControl_Resize();
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(command.State().ButtonState, StateFocus);
}

TEST_F(CommandStateTest, GradientRunsDarkToWhiteOnlyWhileHoveredAndUnfocused) {
    const Rgb16 white{0xFF00, 0xFF00, 0xFF00};
    const Rgb16 lavender{0xC600, 0xC500, 0xD700};
    Reach(1);
    command.UserControl_MouseMove();  // 2
    EXPECT_TRUE(command.State().HoverGradient);
    EXPECT_EQ(site.last_plan.gradient.top, lavender);
    EXPECT_EQ(site.last_plan.gradient.bottom, white);
    // State 4 keeps the direction of the state it came from.
    command.UserControl_GotFocus();  // 2 -> 4
    EXPECT_TRUE(command.State().HoverGradient);
    command.TmrMouse_Timer(false);  // 4 -> 3
    EXPECT_FALSE(command.State().HoverGradient);
    EXPECT_EQ(site.last_plan.gradient.top, white);
    command.UserControl_MouseMove();  // 3 -> 4
    EXPECT_FALSE(command.State().HoverGradient);
    EXPECT_EQ(site.last_plan.gradient.bottom, lavender);
}

TEST_F(CommandStateTest, CaptionIsPlacedOnEveryPaint) {
    Reach(1);
    site.size = {29, 21};  // 435 x 315 twips
    command.UserControl_Resize();
    EXPECT_DOUBLE_EQ(command.LblMsg().Top, 50);
    EXPECT_DOUBLE_EQ(command.LblMsg().Width, 435);
    EXPECT_DOUBLE_EQ(command.LblMsg().Left, 0);
    site.size = {73, 25};  // 1095 x 375 twips
    command.UserControl_MouseMove();
    EXPECT_DOUBLE_EQ(command.LblMsg().Top, 80);
    EXPECT_DOUBLE_EQ(command.LblMsg().Width, 1095);
    EXPECT_EQ(site.last_plan.gradient_end_x, 72);
    EXPECT_EQ(site.last_plan.gradient_end_y, 24);
}

}  // namespace
}  // namespace velmora::button_control
