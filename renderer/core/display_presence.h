#pragma once
// Whether anyone can see the picture: displays on and the session at its screen.

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
