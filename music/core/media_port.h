#pragma once
// What the music player asks of the platform: the media command strings
// themselves, passed through to the platform's media drivers as the players
// write them (their replies come back as the drivers give them), the count of
// sound outputs, and a sound file looped or stopped. Behind one small
// interface so the players can be driven by a scripted drive in tests.

#include <cstdint>

#include "text/core/cp932_string.h"

namespace velmora::music {

// A media command's outcome: the driver's code (0 on success) and the text of
// its reply, cut at its first NUL and to the length asked for.
struct MediaAnswer {
    std::int32_t code = 0;
    text::Cp932String reply;
};

class MediaPort {
  public:
    virtual ~MediaPort() = default;

    // Sends one command (code page 932) without a notification window. With
    // `reply_length` 0 no reply is asked for; otherwise the driver gets room
    // for that many characters, and the reply never repeats an earlier one.
    virtual MediaAnswer SendCommand(text::Cp932View command, std::uint32_t reply_length) = 0;

    // How many sound outputs the platform has.
    virtual std::int32_t SoundOutputCount() = 0;

    // Plays the sound file (a code page 932 path) over and over on the
    // platform's own thread and returns at once. A file that cannot be played
    // stays silent: never the system's default sound in its place.
    virtual void PlayLooping(text::Cp932View file) = 0;
    // Stops the looping sound.
    virtual void StopSound() = 0;
};

}  // namespace velmora::music
