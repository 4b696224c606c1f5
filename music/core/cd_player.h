#pragma once
// The music CD player: opens the drive, and every check starts playback
// and keeps the chosen track repeating.

#include <cstdint>

#include "music/core/media_commands.h"

namespace velmora::music {

class CdPlayer {
  public:
    // The reply length the mode query asks for.
    static constexpr std::uint32_t kModeReplyLength = 255;

    // `repeat_track`: the track that repeats, 0 for the whole disc.
    CdPlayer(MediaCommands& commands, std::int16_t repeat_track)
        : commands_(commands), repeat_track_(repeat_track) {}

    void Open();
    // False when the drive cannot be followed: further checks make no sense.
    bool Check();
    void Close();

  private:
    MediaCommands& commands_;
    const std::int16_t repeat_track_;
};

}  // namespace velmora::music
