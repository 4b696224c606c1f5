#pragma once
// The file player: one MP3 through the media alias "MP3Play", restarted by
// its check when it has ended, or one WAV looped by the platform's sound
// player.

#include <array>
#include <cstdint>
#include <utility>

#include "music/core/media_commands.h"
#include "text/core/cp932_string.h"

namespace velmora::music {

class FilePlayer {
  public:
    static constexpr std::uint32_t kMp3ModeBufferSize = 30;
    // PlaySound flags: SND_ASYNC | SND_LOOP for the file only (SND_FILENAME |
    // SND_NODEFAULT): a file that cannot be played stays silent instead of
    // looping the system's default sound for the whole run.
    static constexpr std::uint32_t kLoopSoundFlags = 0x0001 | 0x0008 | 0x00020000 | 0x0002;

    // `file`: the full path of the MP3 or WAV file.
    FilePlayer(MediaCommands& commands, text::Cp932String file)
        : commands_(commands), file_(std::move(file)) {}

    void StartMp3();
    bool Mp3Playing();
    void CheckMp3();
    void CloseMp3();
    void StartWav();
    void StopWav();

  private:
    MediaCommands& commands_;
    const text::Cp932String file_;
    std::array<char, kMp3ModeBufferSize> mode_buffer_{};
};

}  // namespace velmora::music
