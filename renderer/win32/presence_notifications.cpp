#include "renderer/win32/presence_notifications.h"

#include <wtsapi32.h>

#include <cstring>

namespace velmora::renderer {
namespace {

using RegisterSession = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterSession = BOOL(WINAPI*)(HWND);

// The session functions' library is not one the system always has loaded:
// it is taken from the system folder only, when the renderer starts.
FARPROC SessionFunction(HMODULE library, const char* name) {
    return library == nullptr ? nullptr : GetProcAddress(library, name);
}

bool DisplayStateEvent(const POWERBROADCAST_SETTING& setting, PresenceEvent& event) {
    if (std::memcmp(&setting.PowerSetting, &GUID_CONSOLE_DISPLAY_STATE, sizeof(GUID)) != 0 ||
        setting.DataLength < sizeof(DWORD)) {
        return false;
    }
    DWORD state = 0;
    std::memcpy(&state, setting.Data, sizeof state);
    switch (state) {
        case 0:
            event = PresenceEvent::DisplaysOff;
            return true;
        case 1:
            event = PresenceEvent::DisplaysOn;
            return true;
        case 2:
            event = PresenceEvent::DisplaysDimmed;
            return true;
        default:
            return false;
    }
}

bool SessionEvent(WPARAM change, PresenceEvent& event) {
    switch (change) {
        case WTS_SESSION_LOCK:
            event = PresenceEvent::SessionLocked;
            return true;
        case WTS_SESSION_UNLOCK:
            event = PresenceEvent::SessionUnlocked;
            return true;
        case WTS_CONSOLE_DISCONNECT:
        case WTS_REMOTE_DISCONNECT:
            event = PresenceEvent::SessionDisconnected;
            return true;
        case WTS_CONSOLE_CONNECT:
        case WTS_REMOTE_CONNECT:
            event = PresenceEvent::SessionConnected;
            return true;
        default:
            return false;
    }
}

}  // namespace

void PresenceNotifications::Register(HWND window) {
    window_ = window;
    display_state_ = RegisterPowerSettingNotification(window, &GUID_CONSOLE_DISPLAY_STATE,
                                                      DEVICE_NOTIFY_WINDOW_HANDLE);
    session_library_ = LoadLibraryExW(L"wtsapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto register_session = reinterpret_cast<RegisterSession>(reinterpret_cast<void*>(
        SessionFunction(session_library_, "WTSRegisterSessionNotification")));
    if (register_session != nullptr) {
        register_session(window, NOTIFY_FOR_THIS_SESSION);
    }
}

void PresenceNotifications::Unregister() {
    if (display_state_ != nullptr) {
        UnregisterPowerSettingNotification(display_state_);
        display_state_ = nullptr;
    }
    const auto unregister_session = reinterpret_cast<UnregisterSession>(reinterpret_cast<void*>(
        SessionFunction(session_library_, "WTSUnRegisterSessionNotification")));
    if (unregister_session != nullptr) {
        unregister_session(window_);
    }
    if (session_library_ != nullptr) {
        FreeLibrary(session_library_);
        session_library_ = nullptr;
    }
}

bool PresenceEventForMessage(UINT message, WPARAM wparam, LPARAM lparam, PresenceEvent& event) {
    if (message == WM_POWERBROADCAST && wparam == PBT_POWERSETTINGCHANGE && lparam != 0) {
        return DisplayStateEvent(*reinterpret_cast<const POWERBROADCAST_SETTING*>(lparam), event);
    }
    if (message == WM_WTSSESSION_CHANGE) {
        return SessionEvent(wparam, event);
    }
    return false;
}

}  // namespace velmora::renderer
