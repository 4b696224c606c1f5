#include "renderer/win32/background_input.h"

namespace velmora::renderer {
namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kMouseUsage = 0x02;
constexpr USHORT kKeyboardUsage = 0x06;

bool Register(DWORD flags, HWND target) {
    RAWINPUTDEVICE devices[2] = {{kGenericDesktopPage, kKeyboardUsage, flags, target},
                                 {kGenericDesktopPage, kMouseUsage, flags, target}};
    return RegisterRawInputDevices(devices, 2, sizeof devices[0]) != FALSE;
}

}  // namespace

bool RegisterBackgroundInput(HWND window) {
    return Register(RIDEV_INPUTSINK, window);
}

void UnregisterBackgroundInput() {
    Register(RIDEV_REMOVE, nullptr);
}

bool ReadRawInput(LPARAM lparam, RawInputRecord& record) {
    RAWINPUT input{};
    UINT size = sizeof input;
    const UINT read = GetRawInputData(reinterpret_cast<HRAWINPUT>(lparam), RID_INPUT, &input, &size,
                                      sizeof(RAWINPUTHEADER));
    if (read == static_cast<UINT>(-1) || read < sizeof(RAWINPUTHEADER)) {
        return false;
    }
    record.device = input.header.dwType;
    if (input.header.dwType == RIM_TYPEKEYBOARD) {
        record.key_flags = input.data.keyboard.Flags;
    } else if (input.header.dwType == RIM_TYPEMOUSE) {
        record.button_flags = input.data.mouse.usButtonFlags;
    }
    return true;
}

}  // namespace velmora::renderer
