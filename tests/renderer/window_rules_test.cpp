#include <gtest/gtest.h>

#include "renderer/core/window_rules.h"

namespace velmora::renderer {
namespace {

// The Windows 9x password check with a dialog that answers as told.
class FakePassword : public PasswordPort {
  public:
    uint32_t PlatformId() override { return kPlatformWin32Windows; }
    bool LoadPasswordLibrary(const char*) override { return true; }
    bool FindVerifyFunction(const char*) override { return true; }
    void FreePasswordLibrary() override {}
    void SetScreensaverRunning(bool) override {}
    bool CallVerifyFunction() override {
        ++asked;
        return accept;
    }

    bool accept = true;
    int asked = 0;
};

class RendererWindow : public ::testing::Test {
  protected:
    void SetUp() override { Send(WindowEventKind::Created); }

    WindowReaction Send(WindowEventKind kind,
                        SystemCommandKind command = SystemCommandKind::Other) {
        const WindowReaction reaction =
            HandleWindowEvent(state, WindowEvent{kind, cursor, command}, password);
        closes_posted += reaction.post_close ? 1 : 0;
        return reaction;
    }
    WindowReaction MoveTo(int x, int y) {
        cursor = ScreenPoint{x, y};
        return Send(WindowEventKind::MouseMoved);
    }
    // Runs a posted close the way the message loop would.
    bool CloseAccepted() { return !Send(WindowEventKind::CloseRequested).answered; }

    FakePassword password;
    HostState state;
    ScreenPoint cursor{100, 100};
    int closes_posted = 0;
};

TEST_F(RendererWindow, CreationRemembersTheCursorStartsTheEffectAndAllowsDrawing) {
    HostState fresh;
    EXPECT_FALSE(MayDraw(fresh));
    const WindowReaction reaction = HandleWindowEvent(
        fresh, WindowEvent{WindowEventKind::Created, ScreenPoint{7, 9}}, password);
    EXPECT_TRUE(reaction.hide_cursor);
    EXPECT_TRUE(reaction.start_effect);
    EXPECT_FALSE(reaction.answered);
    EXPECT_EQ(fresh.last_cursor_pos.x, 7);
    EXPECT_EQ(fresh.last_cursor_pos.y, 9);
    EXPECT_TRUE(MayDraw(fresh));
}

// Only the quit that the window's destruction posts ends the renderer: one
// posted from outside, before or after input, does not.
TEST_F(RendererWindow, DestructionStopsDrawingAndQuitsWithTheEffectGivenBack) {
    EXPECT_FALSE(QuitEndsRenderer(state));
    Send(WindowEventKind::KeyPressed);
    EXPECT_FALSE(QuitEndsRenderer(state)) << "input only asks for the close";
    const WindowReaction reaction = Send(WindowEventKind::Destroyed);
    EXPECT_TRUE(reaction.post_quit);
    EXPECT_TRUE(reaction.stop_effect);
    EXPECT_FALSE(reaction.answered);
    EXPECT_FALSE(MayDraw(state));
    EXPECT_TRUE(QuitEndsRenderer(state));
}

TEST_F(RendererWindow, CloseIsRefusedBeforeAnyQualifyingInput) {
    const WindowReaction reaction = Send(WindowEventKind::CloseRequested);
    EXPECT_TRUE(reaction.answered);
    EXPECT_EQ(reaction.result, 0);
    EXPECT_EQ(password.asked, 0);
}

TEST_F(RendererWindow, FirstMouseMoveNeverEndsHoweverFar) {
    MoveTo(900, 700);
    EXPECT_EQ(closes_posted, 1);
    EXPECT_FALSE(state.close_requested);
    EXPECT_FALSE(CloseAccepted());
    // The reference point stayed where the cursor was at creation.
    EXPECT_EQ(state.last_cursor_pos.x, 100);
}

TEST_F(RendererWindow, SmallDriftIsToleratedFromTheSecondMoveOn) {
    MoveTo(101, 100);
    MoveTo(104, 101);  // 3 + 1 from the last reference: tolerated
    EXPECT_EQ(closes_posted, 0);
    EXPECT_EQ(state.last_cursor_pos.x, 104);
    EXPECT_TRUE(state.close_requested);  // a later close would be honoured
    MoveTo(106, 103);                    // 2 + 2
    EXPECT_EQ(closes_posted, 0);
    MoveTo(109, 105);  // 3 + 2 = 5: ends
    EXPECT_EQ(closes_posted, 1);
    EXPECT_EQ(state.last_cursor_pos.x, 106);
    EXPECT_TRUE(CloseAccepted());
}

// Moves are measured in desktop coordinates, on every monitor alike: here
// across the edge into one left of the primary.
TEST_F(RendererWindow, DriftOntoAMonitorLeftOfThePrimaryCountsLikeAnyOther) {
    MoveTo(100, 100);
    state.last_cursor_pos = ScreenPoint{1, 100};
    MoveTo(-2, 101);  // 3 + 1
    EXPECT_EQ(closes_posted, 0);
    MoveTo(-5, 103);  // 3 + 2
    EXPECT_EQ(closes_posted, 1);
}

// A monitor going away takes the cursor to one still there: that jump ends
// nothing, whether the move or the change is reported first, or the change
// not at all; a move on the new desktop still ends the run.
TEST_F(RendererWindow, DisplayChangesLayOutAgainAndTheCursorsJumpIsNoMove) {
    MoveTo(100, 100);
    const auto send_on = [&](WindowEventKind kind, int32_t monitors, ScreenPoint at) {
        const DesktopShape desktop{0, 0, 1920 * monitors, 1080, monitors};
        const WindowReaction reaction = HandleWindowEvent(
            state, WindowEvent{kind, at, SystemCommandKind::Other, desktop}, password);
        closes_posted += reaction.post_close ? 1 : 0;
        return reaction;
    };
    const WindowReaction changed = send_on(WindowEventKind::DisplayChanged, 2, {100, 100});
    EXPECT_TRUE(changed.lay_out_again);
    EXPECT_FALSE(changed.answered);

    send_on(WindowEventKind::MouseMoved, 1, {900, 500});  // the move before the change
    send_on(WindowEventKind::DisplayChanged, 1, {900, 500});
    send_on(WindowEventKind::DisplayChanged, 3, {2500, 500});  // the change first
    send_on(WindowEventKind::MouseMoved, 3, {2500, 500});
    send_on(WindowEventKind::MouseMoved, 2, {1800, 500});  // a change never reported
    EXPECT_EQ(closes_posted, 0);
    send_on(WindowEventKind::MouseMoved, 2, {1810, 500});
    EXPECT_EQ(closes_posted, 1);
    EXPECT_TRUE(CloseAccepted());
}

TEST_F(RendererWindow, KeysButtonPressesAndDeactivationEndIt) {
    for (WindowEventKind kind : {WindowEventKind::KeyPressed, WindowEventKind::ButtonPressed,
                                 WindowEventKind::Deactivated}) {
        HostState fresh;
        const WindowReaction reaction =
            HandleWindowEvent(fresh, WindowEvent{kind, ScreenPoint{}}, password);
        EXPECT_TRUE(reaction.post_close);
        EXPECT_FALSE(reaction.answered);
        EXPECT_TRUE(fresh.close_requested);
    }
    Send(WindowEventKind::KeyPressed);
    EXPECT_TRUE(CloseAccepted());
}

TEST_F(RendererWindow, WindowSwitchingAndSaverStartCommandsAreSwallowed) {
    for (SystemCommandKind command :
         {SystemCommandKind::SwitchWindow, SystemCommandKind::StartSaver}) {
        const WindowReaction reaction = Send(WindowEventKind::SystemCommand, command);
        EXPECT_TRUE(reaction.answered);
        EXPECT_EQ(reaction.result, 0);
    }
    EXPECT_FALSE(Send(WindowEventKind::SystemCommand, SystemCommandKind::Other).answered);
    EXPECT_EQ(closes_posted, 0);
}

TEST_F(RendererWindow, CursorStaysHidden) {
    const WindowReaction asked = Send(WindowEventKind::CursorNeeded);
    EXPECT_TRUE(asked.hide_cursor);
    EXPECT_TRUE(asked.answered);
    EXPECT_EQ(asked.result, 1);
    const WindowReaction shown = Send(WindowEventKind::Shown);
    EXPECT_TRUE(shown.hide_cursor);
    EXPECT_FALSE(shown.answered);
}

TEST_F(RendererWindow, RefusedPasswordKeepsRunningAndResetsTheReference) {
    Send(WindowEventKind::KeyPressed);
    password.accept = false;
    cursor = ScreenPoint{400, 300};
    EXPECT_FALSE(CloseAccepted());
    EXPECT_EQ(state.last_cursor_pos.x, 400);
    EXPECT_TRUE(state.close_requested);
    password.accept = true;
    EXPECT_TRUE(CloseAccepted());  // the next close asks again
    EXPECT_EQ(password.asked, 2);
}

TEST_F(RendererWindow, WhileThePasswordDialogIsUpInputIsLeftToTheSystem) {
    Send(WindowEventKind::KeyPressed);
    state.password_prompt_active = true;
    EXPECT_FALSE(MayDraw(state));
    const int posted = closes_posted;
    const WindowReaction asked = Send(WindowEventKind::CursorNeeded);
    EXPECT_FALSE(asked.answered);
    EXPECT_FALSE(asked.hide_cursor);
    Send(WindowEventKind::KeyPressed);
    MoveTo(0, 0);
    EXPECT_EQ(closes_posted, posted);
    // A close queued behind the one that opened the dialog opens no second one.
    EXPECT_TRUE(Send(WindowEventKind::CloseRequested).answered);
    EXPECT_EQ(password.asked, 0);
}

}  // namespace
}  // namespace velmora::renderer
