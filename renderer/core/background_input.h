#pragma once
// Keys and buttons as the system reports them to the renderer whether or not
// its window is active: the few fields of a raw input record the rules read.

#include <cstdint>

#include "renderer/core/window_rules.h"

namespace velmora::renderer {

// The platform's numbers for those fields.
namespace raw_input {
inline constexpr uint32_t kMouse = 0;
inline constexpr uint32_t kKeyboard = 1;
inline constexpr uint16_t kKeyReleased = 0x0001;
inline constexpr uint16_t kLeftButtonDown = 0x0001;
inline constexpr uint16_t kRightButtonDown = 0x0004;
inline constexpr uint16_t kMiddleButtonDown = 0x0010;
}  // namespace raw_input

struct RawInputRecord {
    uint32_t device = raw_input::kMouse;
    uint16_t key_flags = 0;     // a keyboard's: released or pressed (repeats included)
    uint16_t button_flags = 0;  // a mouse's: which buttons went down or up
};

// The window event the record stands for, as the window's own key and button
// messages would report it (a key going down, or the left, right or middle
// button); false for releases, wheels, other buttons and movement, which the
// cursor's own rule judges.
bool EventForRawInput(const RawInputRecord& record, WindowEventKind& kind);

}  // namespace velmora::renderer
