#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "renderer/core/saver_window_rules.h"
#include "renderer/core/window_messages.h"

namespace velmora::renderer {
namespace {

using ::testing::InSequence;
using ::testing::NiceMock;
using ::testing::Return;

class MockWindowPort : public SaverWindowPort {
  public:
    MOCK_METHOD(CursorPos, cursor_pos, (), (override));
    MOCK_METHOD(void, hide_cursor, (), (override));
    MOCK_METHOD(void, post_close, (), (override));
    MOCK_METHOD(void, post_quit, (), (override));
    MOCK_METHOD(bool, verify_password, (), (override));
    MOCK_METHOD(void, start_effect, (), (override));
    MOCK_METHOD(void, stop_effect, (), (override));
};

class SaverWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ON_CALL(port, cursor_pos()).WillByDefault([this] { return cursor; });
        ON_CALL(port, verify_password()).WillByDefault(Return(true));
        ON_CALL(port, post_close()).WillByDefault([this] { ++closes_posted; });
        send(msg::create);
    }

    MessageOutcome send(uint32_t message, uintptr_t wparam = 0) {
        return handle_saver_message(state, port, message, wparam);
    }
    MessageOutcome move_to(int x, int y) {
        cursor = CursorPos{x, y};
        return send(msg::mouse_move);
    }
    // Runs a posted close the way the message loop would.
    bool close_accepted() { return !send(msg::close).handled; }

    NiceMock<MockWindowPort> port;
    HostState state;
    CursorPos cursor{100, 100};
    int closes_posted = 0;
};

TEST_F(SaverWindow, CreationRemembersTheCursorStartsTheEffectAndAllowsDrawing) {
    NiceMock<MockWindowPort> fresh;
    HostState fresh_state;
    ON_CALL(fresh, cursor_pos()).WillByDefault(Return(CursorPos{7, 9}));
    {
        InSequence order;
        EXPECT_CALL(fresh, hide_cursor());
        EXPECT_CALL(fresh, start_effect());
    }
    EXPECT_FALSE(may_draw(fresh_state));
    handle_saver_message(fresh_state, fresh, msg::create, 0);
    EXPECT_EQ(fresh_state.last_cursor_pos.x, 7);
    EXPECT_EQ(fresh_state.last_cursor_pos.y, 9);
    EXPECT_TRUE(may_draw(fresh_state));
}

TEST_F(SaverWindow, DestructionStopsDrawingAndQuitsWithTheEffectGivenBack) {
    EXPECT_CALL(port, post_quit());
    EXPECT_CALL(port, stop_effect()).WillOnce([this] { EXPECT_FALSE(state.drawing_ready); });
    EXPECT_FALSE(send(msg::destroy).handled);
    EXPECT_FALSE(may_draw(state));
}

TEST_F(SaverWindow, CloseIsRefusedBeforeAnyQualifyingInput) {
    EXPECT_CALL(port, verify_password()).Times(0);
    const MessageOutcome outcome = send(msg::close);
    EXPECT_TRUE(outcome.handled);
    EXPECT_EQ(outcome.result, 0);
}

TEST_F(SaverWindow, FirstMouseMoveNeverEndsHoweverFar) {
    move_to(900, 700);
    EXPECT_EQ(closes_posted, 1);
    EXPECT_FALSE(state.close_requested);
    EXPECT_FALSE(close_accepted());
    // The reference point stayed where the cursor was at creation.
    EXPECT_EQ(state.last_cursor_pos.x, 100);
}

TEST_F(SaverWindow, SmallDriftIsToleratedFromTheSecondMoveOn) {
    move_to(101, 100);
    move_to(104, 101);  // 3 + 1 from the last reference: tolerated
    EXPECT_EQ(closes_posted, 0);
    EXPECT_EQ(state.last_cursor_pos.x, 104);
    EXPECT_TRUE(state.close_requested);  // a later close would be honoured
    move_to(106, 103);                   // 2 + 2
    EXPECT_EQ(closes_posted, 0);
    move_to(109, 105);  // 3 + 2 = 5: ends
    EXPECT_EQ(closes_posted, 1);
    EXPECT_EQ(state.last_cursor_pos.x, 106);
    EXPECT_TRUE(close_accepted());
}

TEST_F(SaverWindow, KeysButtonPressesAndDeactivationEndIt) {
    const uint32_t enders[] = {msg::key_down, msg::sys_key_down, msg::left_button_down,
                               msg::right_button_down, msg::middle_button_down};
    for (uint32_t message : enders) {
        HostState fresh;
        NiceMock<MockWindowPort> fresh_port;
        EXPECT_CALL(fresh_port, post_close());
        EXPECT_FALSE(handle_saver_message(fresh, fresh_port, message, 0).handled);
        EXPECT_TRUE(fresh.close_requested) << message;
    }
    EXPECT_CALL(port, post_close());
    send(msg::activate_app, 0);
    EXPECT_TRUE(close_accepted());
}

TEST_F(SaverWindow, ReleasesCharactersAndActivationDoNotEndIt) {
    const uint32_t harmless[] = {msg::key_up,
                                 msg::sys_key_up,
                                 msg::character,
                                 msg::left_button_up,
                                 msg::right_button_up,
                                 msg::middle_button_up,
                                 msg::left_button_double_click};
    for (uint32_t message : harmless) {
        EXPECT_FALSE(send(message).handled);
    }
    send(msg::activate_app, 1);
    EXPECT_EQ(closes_posted, 0);
    EXPECT_FALSE(state.close_requested);
    EXPECT_FALSE(close_accepted());
}

TEST_F(SaverWindow, WindowSwitchingAndSaverStartCommandsAreSwallowed) {
    for (uintptr_t command : {sys_command::next_window, sys_command::prev_window,
                              sys_command::screen_save, sys_command::screen_save | 0x2}) {
        const MessageOutcome outcome = send(msg::sys_command, command);
        EXPECT_TRUE(outcome.handled);
        EXPECT_EQ(outcome.result, 0);
    }
    EXPECT_FALSE(send(msg::sys_command, 0xF020 /* minimise */).handled);
}

TEST_F(SaverWindow, CursorStaysHidden) {
    EXPECT_CALL(port, hide_cursor()).Times(2);
    const MessageOutcome outcome = send(msg::set_cursor);
    EXPECT_TRUE(outcome.handled);
    EXPECT_EQ(outcome.result, 1);
    EXPECT_FALSE(send(msg::show_window, 1).handled);
    send(msg::show_window, 0);
}

TEST_F(SaverWindow, RefusedPasswordKeepsRunningAndResetsTheReference) {
    send(msg::key_down);
    EXPECT_CALL(port, verify_password()).WillOnce(Return(false)).WillOnce(Return(true));
    cursor = CursorPos{400, 300};
    EXPECT_FALSE(close_accepted());
    EXPECT_EQ(state.last_cursor_pos.x, 400);
    EXPECT_TRUE(state.close_requested);
    EXPECT_TRUE(close_accepted());  // the next close asks again
}

TEST_F(SaverWindow, WhileThePasswordDialogIsUpInputIsLeftToTheSystem) {
    send(msg::key_down);
    state.password_prompt_active = true;
    EXPECT_FALSE(may_draw(state));
    EXPECT_CALL(port, hide_cursor()).Times(0);
    EXPECT_CALL(port, verify_password()).Times(0);
    const int posted = closes_posted;
    EXPECT_FALSE(send(msg::set_cursor).handled);
    send(msg::key_down);
    move_to(0, 0);
    EXPECT_EQ(closes_posted, posted);
    // A close queued behind the one that opened the dialog opens no second one.
    EXPECT_TRUE(send(msg::close).handled);
}

}  // namespace
}  // namespace velmora::renderer
