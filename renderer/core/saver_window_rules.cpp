#include "renderer/core/saver_window_rules.h"

#include <cstdlib>

#include "renderer/core/window_messages.h"

namespace velmora::renderer {
namespace {

constexpr MessageOutcome kDefault{false, 0};

MessageOutcome answered(intptr_t result) {
    return MessageOutcome{true, result};
}

bool is_swallowed_command(uintptr_t wparam) {
    const uintptr_t command = wparam & sys_command::command_mask;
    return command == sys_command::next_window || command == sys_command::prev_window ||
           command == sys_command::screen_save;
}

bool ends_saver(uint32_t message, uintptr_t wparam) {
    switch (message) {
        case msg::activate_app:
            return wparam == 0;
        case msg::key_down:
        case msg::sys_key_down:
        case msg::left_button_down:
        case msg::right_button_down:
        case msg::middle_button_down:
            return true;
        default:
            return false;
    }
}

void on_mouse_move(HostState& state, SaverWindowPort& port) {
    if (!state.first_move_seen) {
        state.first_move_seen = true;
    } else {
        state.close_requested = true;
    }
    const CursorPos now = port.cursor_pos();
    const int32_t distance =
        std::abs(state.last_cursor_pos.x - now.x) + std::abs(state.last_cursor_pos.y - now.y);
    if (distance > mouse_move_threshold) {
        port.post_close();
    } else {
        state.last_cursor_pos = now;
    }
}

MessageOutcome on_close(HostState& state, SaverWindowPort& port) {
    // A close that arrives while the password dialog is up (one queued
    // behind the close that opened it) must not open a second dialog.
    if (!state.close_requested || state.password_prompt_active) {
        return answered(0);
    }
    if (!port.verify_password()) {
        state.last_cursor_pos = port.cursor_pos();
        return answered(0);
    }
    return kDefault;
}

}  // namespace

bool may_draw(const HostState& state) {
    return state.drawing_ready && !state.password_prompt_active;
}

MessageOutcome handle_saver_message(HostState& state, SaverWindowPort& port, uint32_t message,
                                    uintptr_t wparam) {
    // Frame messages.
    switch (message) {
        case msg::create:
            state.last_cursor_pos = port.cursor_pos();
            port.hide_cursor();
            break;
        case msg::destroy:
            port.post_quit();
            break;
        case msg::sys_command:
            if (is_swallowed_command(wparam)) {
                return answered(0);
            }
            break;
        default:
            break;
    }

    // Life cycle.
    if (message == msg::create) {
        port.start_effect();
        state.drawing_ready = true;
    } else if (message == msg::destroy) {
        state.drawing_ready = false;
        port.stop_effect();
    }

    // Input and close.
    if (message == msg::close) {
        return on_close(state, port);
    }
    if (state.password_prompt_active) {
        return kDefault;
    }
    if (message == msg::show_window && wparam != 0) {
        port.hide_cursor();
    } else if (message == msg::set_cursor) {
        port.hide_cursor();
        return answered(1);
    } else if (ends_saver(message, wparam)) {
        state.close_requested = true;
        port.post_close();
    } else if (message == msg::mouse_move) {
        on_mouse_move(state, port);
    }
    return kDefault;
}

}  // namespace velmora::renderer
