// The button's visual states, their transitions and pictures, and when a
// release clicks.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "button_control/core/push_button.h"
#include "tests/button_control/push_button_recorder.h"

namespace velmora::button_control {
namespace {

using P = StatePicture;
using S = ButtonState;
using B = MouseButton;

enum class Event { MouseMove, GotFocus, LostFocus, PollOutside, PollInside, LeftDown, LeftUp };

class PushButtonStateTest : public ::testing::Test {
  protected:
    // An enabled button as a container restores it (an empty stored layout),
    // 1095 x 375 twips.
    void Load() {
        button.emplace(Scale{});
        record(button->Resize({73, 25}));
        record(button->LoadProperties(PropertyBag{}, DesignedFont()));
        record.Clear();
    }

    // Brings a loaded button into `state` by the ordinary road.
    void Reach(S state) {
        Load();
        if (state != S::BeforeInitialize) {
            record(button->Initialize());
        }
        if (state == S::Hover || state == S::FocusHover) {
            record(button->MouseMove());
        }
        if (state == S::Focus || state == S::FocusHover) {
            record(button->FocusGained());
        }
        ASSERT_EQ(button->Fields().state, state);
        record.Clear();
    }

    void Fire(Event event) {
        switch (event) {
            case Event::MouseMove:
                return record(button->MouseMove());
            case Event::GotFocus:
                return record(button->FocusGained());
            case Event::LostFocus:
                return record(button->FocusLost());
            case Event::PollOutside:
                return record(button->MousePoll(false));
            case Event::PollInside:
                return record(button->MousePoll(true));
            case Event::LeftDown:
                return record(button->MouseDown(B::Left));
            case Event::LeftUp:
                return record(button->MouseUp(B::Left, true));
        }
    }

    // A press and a release of `mouse_button`, the release over the button or not.
    void Click(B mouse_button, bool release_over = true) {
        record(button->MouseDown(mouse_button));
        record(button->MouseUp(mouse_button, release_over));
    }

    ReactionRecorder record;
    std::optional<PushButton> button{std::in_place, Scale{}};
};

TEST_F(PushButtonStateTest, EveryTransitionOfTheTable) {
    struct Row {
        S from;
        Event event;
        S to;
        std::vector<P> painted;
    };
    const std::vector<Row> rows = {
        {S::Normal, Event::MouseMove, S::Hover, {P::HighLight}},
        {S::Hover, Event::GotFocus, S::FocusHover, {P::Pressed}},
        {S::BeforeInitialize, Event::GotFocus, S::Focus, {P::Selected}},
        {S::Normal, Event::GotFocus, S::Focus, {P::Selected}},
        {S::Focus, Event::GotFocus, S::Focus, {P::Selected}},
        {S::FocusHover, Event::GotFocus, S::Focus, {P::Selected}},
        {S::Focus, Event::MouseMove, S::FocusHover, {P::HighLightSelect}},
        {S::Hover, Event::PollOutside, S::Normal, {P::Normal}},
        {S::FocusHover, Event::PollOutside, S::Focus, {P::Selected}},
        {S::BeforeInitialize, Event::LostFocus, S::Normal, {P::Normal}},
        {S::Hover, Event::LostFocus, S::Normal, {P::Normal}},
        {S::Focus, Event::LostFocus, S::Normal, {P::Normal}},
        {S::FocusHover, Event::LostFocus, S::Normal, {P::Normal}},
        {S::BeforeInitialize, Event::LeftDown, S::BeforeInitialize, {P::Pressed}},
        {S::Normal, Event::LeftDown, S::Normal, {P::Pressed}},
        {S::Hover, Event::LeftDown, S::Hover, {P::Pressed}},
        {S::Focus, Event::LeftDown, S::Focus, {P::Pressed}},
        {S::FocusHover, Event::LeftDown, S::FocusHover, {P::Pressed}},
        {S::Hover, Event::LeftUp, S::Hover, {P::Normal}},
        {S::FocusHover, Event::LeftUp, S::FocusHover, {P::HighLightSelect}},
        // Events that change nothing and paint nothing.
        {S::BeforeInitialize, Event::MouseMove, S::BeforeInitialize, {}},
        {S::Hover, Event::MouseMove, S::Hover, {}},
        {S::FocusHover, Event::MouseMove, S::FocusHover, {}},
        {S::Normal, Event::LostFocus, S::Normal, {}},
        {S::Normal, Event::PollOutside, S::Normal, {}},
        {S::Focus, Event::PollOutside, S::Focus, {}},
        // The cursor resting on the button counts as a move.
        {S::Normal, Event::PollInside, S::Hover, {P::HighLight}},
        {S::Focus, Event::PollInside, S::FocusHover, {P::HighLightSelect}},
        {S::Hover, Event::PollInside, S::Hover, {}},
        {S::FocusHover, Event::PollInside, S::FocusHover, {}},
        {S::Normal, Event::LeftUp, S::Normal, {}},
        {S::Focus, Event::LeftUp, S::Focus, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "from " << static_cast<int>(row.from) << " event "
                                          << static_cast<int>(row.event));
        Reach(row.from);
        Fire(row.event);
        EXPECT_EQ(button->Fields().state, row.to);
        EXPECT_EQ(record.paints, row.painted);
    }
}

TEST_F(PushButtonStateTest, SpaceShowsThePressAndClicksOnReleaseEnterClicksAtOnce) {
    using K = ButtonKey;
    for (S focused : {S::Focus, S::FocusHover}) {
        Reach(focused);
        EXPECT_TRUE(button->ActsAsDefault());
        record(button->KeyDown(K::Space));
        record(button->KeyDown(K::Space));  // auto-repeat
        EXPECT_EQ(record.clicks, 0);
        record(button->KeyUp(K::Space));
        const P look = focused == S::Focus ? P::Selected : P::HighLightSelect;
        EXPECT_EQ(record.paints, (std::vector<P>{P::Pressed, look}));
        EXPECT_EQ(record.clicks, 1);
        record(button->KeyDown(K::Enter));
        record(button->KeyUp(K::Enter));
        EXPECT_EQ(record.clicks, 2);
        EXPECT_EQ(button->Fields().state, focused);
    }
    Reach(S::Hover);
    EXPECT_FALSE(button->ActsAsDefault());
    // Space released after the focus went away clicks nothing.
    Reach(S::Focus);
    record(button->KeyDown(K::Space));
    record(button->FocusLost());
    record(button->KeyUp(K::Space));
    EXPECT_EQ(record.clicks, 0);
    // A disabled button answers no key.
    Reach(S::Focus);
    record(button->SetEnabled(false, true));
    EXPECT_EQ(record.hand_ons, 1);
    record.Clear();
    EXPECT_FALSE(button->ActsAsDefault());
    for (K key : {K::Space, K::Enter}) {
        record(button->KeyDown(key));
        record(button->KeyUp(key));
    }
    EXPECT_EQ(record.clicks, 0);
    EXPECT_TRUE(record.paints.empty());
}

TEST_F(PushButtonStateTest, EveryMouseButtonClicksOnlyWithPressAndReleaseOnTheButton) {
    for (B mouse_button : {B::Left, B::Right, B::Middle}) {
        SCOPED_TRACE(static_cast<int>(mouse_button));
        Reach(S::Hover);
        EXPECT_EQ(button->TakesFocusOnPress(mouse_button), mouse_button == B::Left);
        Click(mouse_button);
        EXPECT_EQ(record.clicks, 1);
        // Released off the button, even before the poll noticed: no click,
        // and nothing left over for a later release.
        Click(mouse_button, false);
        record(button->MouseUp(mouse_button, true));
        EXPECT_EQ(record.clicks, 1);
        // Right and middle show no press picture.
        if (mouse_button != B::Left) {
            EXPECT_TRUE(record.paints.empty());
        }
        EXPECT_EQ(button->Fields().state, S::Hover);
    }
}

TEST_F(PushButtonStateTest, PressDraggedOffPastAPollIsCancelledForEveryMouseButton) {
    for (B mouse_button : {B::Left, B::Right, B::Middle}) {
        SCOPED_TRACE(static_cast<int>(mouse_button));
        Reach(S::FocusHover);
        record(button->MouseDown(mouse_button));
        record(button->MousePoll(false));
        EXPECT_EQ(record.paints.back(), P::Selected);
        // Back over the button before the release: the press stays cancelled.
        record(button->MouseMove());
        record(button->MousePoll(true));
        record(button->MouseUp(mouse_button, true));
        EXPECT_EQ(record.clicks, 0);
        // The next full click counts.
        record(button->MouseMove());
        EXPECT_EQ(button->Fields().state, S::FocusHover);
        Click(mouse_button);
        EXPECT_EQ(record.clicks, 1);
    }
}

TEST_F(PushButtonStateTest, ReleaseWithoutItsPressDoesNotClick) {
    Reach(S::FocusHover);
    // Pressed on the background, or the chooser's double-click that ended
    // over the button: only the release arrives.
    record(button->MouseUp(B::Left, true));
    record(button->MouseUp(B::Right, true));
    // A press of one button does not arm the release of another.
    record(button->MouseDown(B::Right));
    record(button->MouseUp(B::Left, true));
    EXPECT_EQ(record.clicks, 0);
    record(button->MouseUp(B::Right, true));
    EXPECT_EQ(record.clicks, 1);
}

TEST_F(PushButtonStateTest, LostCaptureLeavesNoPressPending) {
    Reach(S::FocusHover);
    record(button->MouseDown(B::Left));
    record(button->CancelPresses());
    record(button->MouseUp(B::Left, true));
    EXPECT_EQ(record.clicks, 0);
    // The left button no longer counts as held: hovering works again.
    record(button->MousePoll(false));
    record(button->MouseMove());
    EXPECT_EQ(button->Fields().state, S::FocusHover);
}

TEST_F(PushButtonStateTest, DoubleClickGivesTwoClicksWithOnePressPicture) {
    Reach(S::FocusHover);
    Click(B::Left);
    record(button->MouseDoubleClick(B::Left));
    record(button->MouseUp(B::Left, true));
    EXPECT_EQ(record.clicks, 2);
    EXPECT_EQ(record.paints, (std::vector<P>{P::Pressed, P::HighLightSelect, P::HighLightSelect}));
}

TEST_F(PushButtonStateTest, NeverInitialisedButton) {
    Load();
    record(button->MouseMove());
    record(button->MousePoll(false));
    EXPECT_EQ(button->Fields().state, S::BeforeInitialize);
    EXPECT_TRUE(record.paints.empty());

    // The first left click focuses it and shows the press, without a Click.
    record(button->FocusGained());
    Click(B::Left);
    EXPECT_EQ(button->Fields().state, S::Focus);
    EXPECT_EQ(record.paints, (std::vector<P>{P::Selected, P::Pressed}));
    EXPECT_EQ(record.clicks, 0);

    // A hover look reached later stays until the focus moves away.
    record(button->MouseMove());
    EXPECT_EQ(button->Fields().state, S::FocusHover);
    record(button->FocusLost());
    EXPECT_EQ(button->Fields().state, S::Normal);
    EXPECT_FALSE(record.poll_started);

    record(button->Initialize());
    EXPECT_TRUE(record.poll_started);
}

TEST_F(PushButtonStateTest, DisabledButtonIgnoresTheMouse) {
    Reach(S::Hover);
    record(button->SetEnabled(false, false));  // without the focus, none to hand on
    EXPECT_EQ(record.hand_ons, 0);
    EXPECT_EQ(record.paints, (std::vector<P>{P::Disable}));
    EXPECT_EQ(record.changed, std::vector<std::string>{"Enabled"});
    EXPECT_FALSE(button->Label().enabled);
    record.Clear();
    for (Event event :
         {Event::MouseMove, Event::GotFocus, Event::PollOutside, Event::LeftDown, Event::LeftUp}) {
        Fire(event);
    }
    Click(B::Right);
    EXPECT_EQ(button->Fields().state, S::Hover);
    EXPECT_TRUE(record.paints.empty());
    EXPECT_EQ(record.clicks, 0);
    EXPECT_FALSE(button->TakesFocusOnPress(B::Left));

    // Enabled again it paints Normal whatever its state, which it keeps.
    record(button->SetEnabled(true, false));
    EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(button->Fields().state, S::Hover);
}

// The focused button is disabled and the platform takes the focus away:
// enabled again, it must answer the very first click.
TEST_F(PushButtonStateTest, ReEnabledButtonAnswersTheFirstClick) {
    Reach(S::FocusHover);
    record(button->MouseDown(B::Left));
    record(button->SetEnabled(false, true));
    EXPECT_EQ(record.hand_ons, 1);  // the focus leaves before the disabled look comes
    record(button->FocusLost());
    EXPECT_EQ(button->Fields().state, S::Normal);
    EXPECT_EQ(record.paints.back(), P::Disable);
    record(button->SetEnabled(true, false));
    EXPECT_EQ(record.hand_ons, 1);
    // The press from before the disabling is gone.
    record(button->MouseUp(B::Left, true));
    EXPECT_EQ(record.clicks, 0);
    // A click as the platform reports it: move, focus, press, release.
    record(button->MouseMove());
    record(button->FocusGained());
    Click(B::Left);
    EXPECT_EQ(record.clicks, 1);
}

// The Click handler opens a modal window (a failed save's message), which
// takes the focus and disables the dialog. Closed without the mouse, it hands
// the focus back to the button or to the dialog while the cursor still rests
// on the button. The next click counts, whether the cursor moves or not.
TEST_F(PushButtonStateTest, ClickAfterAModalWindowFromTheClickHandlerCounts) {
    for (const bool focus_comes_back : {true, false}) {
        for (const bool cursor_moves : {true, false}) {
            SCOPED_TRACE(::testing::Message()
                         << "focus back " << focus_comes_back << ", moved " << cursor_moves);
            Reach(S::Hover);
            record(button->FocusGained());
            Click(B::Left);
            record(button->FocusLost());
            record(button->MousePoll(false));  // the disabled dialog is under the cursor
            if (focus_comes_back) {
                record(button->FocusGained());
            }
            if (cursor_moves) {
                record(button->MousePoll(false));  // off the button
                record(button->MouseMove());       // and back
            } else {
                record(button->MousePoll(true));
            }
            // The press brings the focus first if it is elsewhere.
            if (button->Fields().state != S::FocusHover) {
                record(button->FocusGained());
            }
            Click(B::Left);
            EXPECT_EQ(record.clicks, 2);
        }
    }
}

TEST_F(PushButtonStateTest, ResizePaintsTheEnabledLookEvenWhenDisabled) {
    record(button->Resize({73, 25}));  // a freshly placed button: not yet enabled
    EXPECT_EQ(record.paints, (std::vector<P>{P::Disable}));
    EXPECT_FALSE(button->Label().enabled);
    Reach(S::Focus);
    record(button->Resize({73, 25}));
    EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(button->Fields().state, S::Focus);
}

// Its dialog moved to a 144-dpi monitor, a button draws what a button made
// there draws, and repaints at once even before its new size comes.
TEST_F(PushButtonStateTest, AfterADpiChangeTheFaceIsThatOfAButtonMadeAtTheNewDpi) {
    const Scale at_144 = drawing::ScaleForDpi(144, 144);
    Reach(S::Focus);
    record(button->ChangeScale(at_144));
    EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(record.last_plan.picture_dpi, 144);
    record(button->Resize({110, 38}));
    EXPECT_EQ(button->Fields().state, S::Focus);

    PushButton made(at_144);
    ReactionRecorder made_record;
    made_record(made.Resize({110, 38}));
    made_record(made.LoadProperties(PropertyBag{}, DesignedFont()));
    const FacePlan& changed = record.last_plan;
    const FacePlan& expected = made_record.last_plan;
    EXPECT_EQ(changed.picture_dpi, expected.picture_dpi);
    EXPECT_EQ(changed.gradient_end_y, expected.gradient_end_y);
    for (std::size_t i = 0; i < changed.pieces.size(); ++i) {
        EXPECT_EQ(changed.pieces[i].source, expected.pieces[i].source) << "piece " << i + 1;
        EXPECT_EQ(changed.pieces[i].destination, expected.pieces[i].destination)
            << "piece " << i + 1;
    }
    EXPECT_DOUBLE_EQ(button->Label().top, made.Label().top);
    EXPECT_DOUBLE_EQ(button->Label().width, made.Label().width);
}

TEST_F(PushButtonStateTest, GradientRunsDarkToWhiteOnlyWhileHoveredAndUnfocused) {
    const Rgb16 white{0xFF00, 0xFF00, 0xFF00};
    const Rgb16 lavender{0xC600, 0xC500, 0xD700};
    Reach(S::Normal);
    record(button->MouseMove());  // 2
    EXPECT_EQ(record.last_plan.gradient.top, lavender);
    EXPECT_EQ(record.last_plan.gradient.bottom, white);
    // State 4 keeps the direction of the state it came from.
    record(button->FocusGained());  // 2 -> 4
    EXPECT_TRUE(button->Fields().hover_gradient);
    record(button->MousePoll(false));  // 4 -> 3
    EXPECT_EQ(record.last_plan.gradient.top, white);
    record(button->MouseMove());  // 3 -> 4
    EXPECT_EQ(record.last_plan.gradient.bottom, lavender);
}

TEST_F(PushButtonStateTest, CaptionIsPlacedOnEveryPaint) {
    Reach(S::Normal);
    record(button->Resize({29, 21}));  // 435 x 315 twips
    EXPECT_DOUBLE_EQ(button->Label().top, 50);
    EXPECT_DOUBLE_EQ(button->Label().width, 435);
    record(button->Resize({73, 25}));  // 1095 x 375 twips
    EXPECT_DOUBLE_EQ(button->Label().top, 80);
    EXPECT_DOUBLE_EQ(button->Label().width, 1095);
    EXPECT_EQ(record.last_plan.gradient_end_x, 72);
    EXPECT_EQ(record.last_plan.gradient_end_y, 24);
}

}  // namespace
}  // namespace velmora::button_control
