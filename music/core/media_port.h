#pragma once
// The platform's media calls that the music player makes, behind one small
// interface so the players can be driven by a scripted drive in tests.

#include <cstdint>

#include "text/core/cp932_string.h"

namespace velmora::music {

class MediaPort {
  public:
    virtual ~MediaPort() = default;

    // mciSendString(command, reply, reply_size, no notification window), the
    // reply in code page 932 too. `reply` may be null with `reply_size` 0.
    // Returns the MCI result code.
    virtual std::int32_t SendString(text::Cp932View command, char* reply,
                                    std::uint32_t reply_size) = 0;

    // waveOutGetNumDevs().
    virtual std::int32_t WaveOutDeviceCount() = 0;

    // PlaySound(name, no module, flags), `name` a code page 932 path or null.
    // Returns the BOOL result.
    virtual std::int32_t PlaySoundFile(const char* name, std::uint32_t flags) = 0;
};

}  // namespace velmora::music
