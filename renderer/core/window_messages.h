#pragma once

#include <cstdint>

namespace velmora::renderer {

// The window-message and system-command numbers the saver window reacts to,
// with the platform's values, so the rules can be fed messages anywhere.
namespace msg {
constexpr uint32_t create = 0x0001;
constexpr uint32_t destroy = 0x0002;
constexpr uint32_t close = 0x0010;
constexpr uint32_t show_window = 0x0018;
constexpr uint32_t activate_app = 0x001C;
constexpr uint32_t set_cursor = 0x0020;
constexpr uint32_t key_down = 0x0100;
constexpr uint32_t key_up = 0x0101;
constexpr uint32_t character = 0x0102;
constexpr uint32_t sys_key_down = 0x0104;
constexpr uint32_t sys_key_up = 0x0105;
constexpr uint32_t sys_command = 0x0112;
constexpr uint32_t mouse_move = 0x0200;
constexpr uint32_t left_button_down = 0x0201;
constexpr uint32_t left_button_up = 0x0202;
constexpr uint32_t left_button_double_click = 0x0203;
constexpr uint32_t right_button_down = 0x0204;
constexpr uint32_t right_button_up = 0x0205;
constexpr uint32_t middle_button_down = 0x0207;
constexpr uint32_t middle_button_up = 0x0208;
}  // namespace msg

namespace sys_command {
constexpr uintptr_t next_window = 0xF040;
constexpr uintptr_t prev_window = 0xF050;
constexpr uintptr_t screen_save = 0xF140;
// The low four bits of a system command are the system's own.
constexpr uintptr_t command_mask = 0xFFF0;
}  // namespace sys_command

}  // namespace velmora::renderer
