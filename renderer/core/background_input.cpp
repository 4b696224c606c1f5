#include "renderer/core/background_input.h"

namespace velmora::renderer {

bool EventForRawInput(const RawInputRecord& record, WindowEventKind& kind) {
    constexpr uint16_t kButtonsDown =
        raw_input::kLeftButtonDown | raw_input::kRightButtonDown | raw_input::kMiddleButtonDown;
    if (record.device == raw_input::kKeyboard &&
        (record.key_flags & raw_input::kKeyReleased) == 0) {
        kind = WindowEventKind::KeyPressed;
        return true;
    }
    if (record.device == raw_input::kMouse && (record.button_flags & kButtonsDown) != 0) {
        kind = WindowEventKind::ButtonPressed;
        return true;
    }
    return false;
}

}  // namespace velmora::renderer
