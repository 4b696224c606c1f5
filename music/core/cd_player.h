#pragma once
// The music CD player: opens the drive, and every check starts playback
// and keeps the chosen track repeating.

#include <array>
#include <cstdint>

#include "music/core/media_commands.h"
#include "settings/core/music_choice.h"

namespace velmora::music {

class CdPlayer {
  public:
    static constexpr std::uint32_t kModeBufferSize = 256;
    static constexpr std::uint32_t kModeReplySize = 255;

    // `choice` is read at every check, so it may be loaded after construction.
    CdPlayer(MediaCommands& commands, const settings::MusicChoice& choice)
        : commands_(commands), choice_(choice) {}

    void Open();
    // False when the drive cannot be followed: further checks make no sense.
    bool Check();
    void Close();

  private:
    MediaCommands& commands_;
    const settings::MusicChoice& choice_;
    std::array<char, kModeBufferSize> mode_buffer_{};
};

}  // namespace velmora::music
