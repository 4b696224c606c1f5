#include "renderer/win32/presence_notifications.h"

#include <wtsapi32.h>

#include <cstring>

#include "system_dlls/win32/load_system_dll.h"

namespace velmora::renderer {
namespace {

using RegisterSession = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterSession = BOOL(WINAPI*)(HWND);

// The session functions' library is not one the system always has loaded.
void* SessionFunction(const char* name) {
    return system_dlls::OptionalSystemFunction(L"wtsapi32.dll", name);
}

static_assert(session_change::kConsoleConnect == WTS_CONSOLE_CONNECT &&
              session_change::kConsoleDisconnect == WTS_CONSOLE_DISCONNECT &&
              session_change::kRemoteConnect == WTS_REMOTE_CONNECT &&
              session_change::kRemoteDisconnect == WTS_REMOTE_DISCONNECT &&
              session_change::kSessionLock == WTS_SESSION_LOCK &&
              session_change::kSessionUnlock == WTS_SESSION_UNLOCK);

}  // namespace

void PresenceNotifications::Register(HWND window) {
    window_ = window;
    display_state_ = RegisterPowerSettingNotification(window, &GUID_SESSION_DISPLAY_STATUS,
                                                      DEVICE_NOTIFY_WINDOW_HANDLE);
    const auto register_session =
        reinterpret_cast<RegisterSession>(SessionFunction("WTSRegisterSessionNotification"));
    if (register_session != nullptr) {
        register_session(window, NOTIFY_FOR_THIS_SESSION);
    }
}

void PresenceNotifications::Unregister() {
    if (display_state_ != nullptr) {
        UnregisterPowerSettingNotification(display_state_);
        display_state_ = nullptr;
    }
    const auto unregister_session =
        reinterpret_cast<UnregisterSession>(SessionFunction("WTSUnRegisterSessionNotification"));
    if (unregister_session != nullptr) {
        unregister_session(window_);
    }
}

std::optional<DWORD> PowerSettingValue(UINT message, WPARAM wparam, LPARAM lparam,
                                       const GUID& setting) {
    if (message != WM_POWERBROADCAST || wparam != PBT_POWERSETTINGCHANGE || lparam == 0) {
        return std::nullopt;
    }
    const auto& told = *reinterpret_cast<const POWERBROADCAST_SETTING*>(lparam);
    if (std::memcmp(&told.PowerSetting, &setting, sizeof(GUID)) != 0 ||
        told.DataLength < sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD value = 0;
    std::memcpy(&value, told.Data, sizeof value);
    return value;
}

std::optional<PresenceEvent> PresenceEventForMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (const auto state =
            PowerSettingValue(message, wparam, lparam, GUID_SESSION_DISPLAY_STATUS)) {
        return PresenceEventForDisplayState(*state);
    }
    if (message == WM_WTSSESSION_CHANGE) {
        return PresenceEventForSessionChange(static_cast<uint32_t>(wparam));
    }
    return std::nullopt;
}

}  // namespace velmora::renderer
