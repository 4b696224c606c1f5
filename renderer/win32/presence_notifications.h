#pragma once
// Whether anyone can see the picture, as Windows tells it: the session's displays and state.

#include <windows.h>

#include <optional>

#include "renderer/core/display_presence.h"

namespace velmora::renderer {

// Asks the platform to tell the window when the displays of the renderer's
// session go off, dim or come back (in a remote session those the user sees,
// not the console's), and when the session is locked, unlocked, disconnected
// or connected again; Unregister stops that before the window goes.
class PresenceNotifications {
  public:
    void Register(HWND window);
    void Unregister();

  private:
    HWND window_ = nullptr;
    HPOWERNOTIFY display_state_ = nullptr;
};

// The value a WM_POWERBROADCAST of a power setting's change tells for
// `setting`; nothing for any other message or setting.
std::optional<DWORD> PowerSettingValue(UINT message, WPARAM wparam, LPARAM lparam,
                                       const GUID& setting);

// The message as a presence event; nothing when it tells nothing of whether
// the saver can be seen.
std::optional<PresenceEvent> PresenceEventForMessage(UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace velmora::renderer
