#include "renderer/core/display_presence.h"

namespace velmora::renderer {

std::optional<PresenceEvent> PresenceEventForDisplayState(uint32_t state) {
    switch (state) {
        case 0:
            return PresenceEvent::DisplaysOff;
        case 1:
            return PresenceEvent::DisplaysOn;
        case 2:
            return PresenceEvent::DisplaysDimmed;
        default:
            return std::nullopt;
    }
}

std::optional<PresenceEvent> PresenceEventForSessionChange(uint32_t change) {
    switch (change) {
        case session_change::kSessionLock:
            return PresenceEvent::SessionLocked;
        case session_change::kSessionUnlock:
            return PresenceEvent::SessionUnlocked;
        case session_change::kConsoleDisconnect:
        case session_change::kRemoteDisconnect:
            return PresenceEvent::SessionDisconnected;
        case session_change::kConsoleConnect:
        case session_change::kRemoteConnect:
            return PresenceEvent::SessionConnected;
        default:
            return std::nullopt;
    }
}

bool DisplayPresence::Apply(PresenceEvent event) {
    const bool was_seen = Seen();
    switch (event) {
        case PresenceEvent::DisplaysOff:
            displays_on_ = false;
            break;
        case PresenceEvent::DisplaysDimmed:
        case PresenceEvent::DisplaysOn:
            displays_on_ = true;
            break;
        case PresenceEvent::SessionLocked:
            locked_ = true;
            break;
        case PresenceEvent::SessionUnlocked:
            locked_ = false;
            break;
        case PresenceEvent::SessionDisconnected:
            disconnected_ = true;
            break;
        case PresenceEvent::SessionConnected:
            disconnected_ = false;
            break;
    }
    return Seen() != was_seen;
}

}  // namespace velmora::renderer
