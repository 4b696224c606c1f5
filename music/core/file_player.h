#pragma once
// The file player: one MP3 through the media alias "MP3Play", restarted by
// its check when it has ended, or one WAV looped by the platform's sound
// player.

#include <cstdint>
#include <utility>

#include "music/core/media_commands.h"
#include "music/core/media_port.h"
#include "text/core/cp932_string.h"

namespace velmora::music {

class FilePlayer {
  public:
    // The reply length the MP3's mode query asks for.
    static constexpr std::uint32_t kMp3ModeReplyLength = 30;

    // The MP3 goes through `commands`, the WAV to the sound player of `sounds`.
    // `file`: the full path of the MP3 or WAV file.
    FilePlayer(MediaCommands& commands, MediaPort& sounds, text::Cp932String file)
        : commands_(commands), sounds_(sounds), file_(std::move(file)) {}

    void StartMp3();
    bool Mp3Playing();
    void CheckMp3();
    void CloseMp3();
    // Nothing without a sound output.
    void StartWav();
    void StopWav();

  private:
    MediaCommands& commands_;
    MediaPort& sounds_;
    const text::Cp932String file_;
};

}  // namespace velmora::music
