#include "renderer/core/display_presence.h"

namespace velmora::renderer {

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
