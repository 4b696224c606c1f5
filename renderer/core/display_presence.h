#pragma once
// Whether anyone can see the picture: displays on and the session at its screen.

#include <cstdint>
#include <optional>

namespace velmora::renderer {

// What the platform reports about whether anyone can see the saver.
enum class PresenceEvent {
    DisplaysOff,
    DisplaysDimmed,
    DisplaysOn,
    SessionLocked,
    SessionUnlocked,
    SessionDisconnected,
    SessionConnected,
};

// The platform's numbers for the session's changes (WTS_*).
namespace session_change {
inline constexpr uint32_t kConsoleConnect = 0x1;
inline constexpr uint32_t kConsoleDisconnect = 0x2;
inline constexpr uint32_t kRemoteConnect = 0x3;
inline constexpr uint32_t kRemoteDisconnect = 0x4;
inline constexpr uint32_t kSessionLock = 0x7;
inline constexpr uint32_t kSessionUnlock = 0x8;
}  // namespace session_change

// The event a new state of the session's displays stands for (0 off, 1 on,
// 2 dimmed); nothing for a state the platform may add.
std::optional<PresenceEvent> PresenceEventForDisplayState(uint32_t state);

// The event a change of the session stands for; nothing for the changes that
// do not touch whether its screen is seen (a log-on, a remote control).
std::optional<PresenceEvent> PresenceEventForSessionChange(uint32_t change);

// Whether frames are worth drawing: not while the displays are off, nor while
// the session is locked or has no screen attached. Dimmed displays still show
// the picture.
class DisplayPresence {
  public:
    // Takes the event in; true when drawing changes from stopped to going or
    // back, so the frame loop has to wake up or may go to sleep.
    bool Apply(PresenceEvent event);

    bool Seen() const { return displays_on_ && !locked_ && !disconnected_; }

  private:
    bool displays_on_ = true;
    bool locked_ = false;
    bool disconnected_ = false;
};

}  // namespace velmora::renderer
