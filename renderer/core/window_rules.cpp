#include "renderer/core/window_rules.h"

#include "contract/input_rule.h"

namespace velmora::renderer {
namespace {

WindowReaction Answered(intptr_t result) {
    WindowReaction reaction;
    reaction.answered = true;
    reaction.result = result;
    return reaction;
}

// The cursor's place on the desktop it is on now becomes the reference.
void FollowDesktop(HostState& state, const WindowEvent& event) {
    state.last_cursor_pos = event.cursor;
    state.cursor_desktop = event.desktop;
}

WindowReaction OnMouseMove(HostState& state, const WindowEvent& event) {
    // A display change may move the cursor to where a monitor still is; that
    // jump is no one's input, whether or not the change was reported first.
    if (event.desktop != state.cursor_desktop) {
        FollowDesktop(state, event);
        return WindowReaction{};
    }
    const ScreenPoint now = event.cursor;
    if (!state.first_move_seen) {
        state.first_move_seen = true;
    } else {
        state.close_requested = true;
    }
    WindowReaction reaction;
    if (contract::MovedByUser(int64_t{now.x} - state.last_cursor_pos.x,
                              int64_t{now.y} - state.last_cursor_pos.y)) {
        reaction.post_close = true;
    } else {
        state.last_cursor_pos = now;
    }
    return reaction;
}

WindowReaction OnCloseRequest(HostState& state, ScreenPoint now, PasswordPort& password) {
    // A close that arrives while the password dialog is up (one queued
    // behind the close that opened it) must not open a second dialog.
    if (!state.close_requested || state.password_prompt_active) {
        return Answered(0);
    }
    if (!VerifyPassword(state, password)) {
        state.last_cursor_pos = now;
        return Answered(0);
    }
    return WindowReaction{};
}

}  // namespace

bool MayDraw(const HostState& state) {
    return state.drawing_ready && !state.password_prompt_active;
}

bool QuitEndsRenderer(const HostState& state) {
    return state.window_destroyed;
}

WindowReaction HandleWindowEvent(HostState& state, const WindowEvent& event,
                                 PasswordPort& password) {
    WindowReaction reaction;
    switch (event.kind) {
        case WindowEventKind::Created:
            FollowDesktop(state, event);
            reaction.hide_cursor = true;
            reaction.start_effect = true;
            state.drawing_ready = true;
            return reaction;
        case WindowEventKind::Destroyed:
            reaction.post_quit = true;
            state.drawing_ready = false;
            state.window_destroyed = true;
            reaction.stop_effect = true;
            return reaction;
        case WindowEventKind::SystemCommand:
            return event.command == SystemCommandKind::Other ? reaction : Answered(0);
        case WindowEventKind::CloseRequested:
            return OnCloseRequest(state, event.cursor, password);
        case WindowEventKind::DisplayChanged:
            FollowDesktop(state, event);
            reaction.lay_out_again = true;
            return reaction;
        default:
            break;
    }

    // While the password dialog is up, input is left to the system.
    if (state.password_prompt_active) {
        return reaction;
    }
    switch (event.kind) {
        case WindowEventKind::Shown:
            reaction.hide_cursor = true;
            return reaction;
        case WindowEventKind::CursorNeeded:
            reaction = Answered(1);
            reaction.hide_cursor = true;
            return reaction;
        case WindowEventKind::KeyPressed:
        case WindowEventKind::ButtonPressed:
        case WindowEventKind::Deactivated:
            state.close_requested = true;
            reaction.post_close = true;
            return reaction;
        case WindowEventKind::MouseMoved:
            return OnMouseMove(state, event);
        default:
            return reaction;
    }
}

}  // namespace velmora::renderer
