#pragma once
// The file player: one MP3 through the media alias "MP3Play", restarted by
// its check when it has ended, or one WAV looped by the platform's sound
// player.

#include <array>
#include <cstdint>

#include "music/core/media_commands.h"
#include "settings/core/music_choice.h"

namespace velmora::music {

class FilePlayer {
  public:
    static constexpr std::uint32_t kMp3ModeBufferSize = 30;
    // PlaySound flags: SND_ASYNC | SND_LOOP for the file only (SND_FILENAME |
    // SND_NODEFAULT): a file that cannot be played stays silent instead of
    // looping the system's default sound for the whole run.
    static constexpr std::uint32_t kLoopSoundFlags = 0x0001 | 0x0008 | 0x00020000 | 0x0002;

    // `choice` is read at every operation, so it may be loaded after construction.
    FilePlayer(MediaCommands& commands, const settings::MusicChoice& choice)
        : commands_(commands), choice_(choice) {}

    void StartMp3();
    bool Mp3Playing();
    void CheckMp3();
    void CloseMp3();
    void StartWav();
    void StopWav();

  private:
    MediaCommands& commands_;
    const settings::MusicChoice& choice_;
    std::array<char, kMp3ModeBufferSize> mode_buffer_{};
};

}  // namespace velmora::music
