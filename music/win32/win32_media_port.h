#pragma once
// The music player's platform: winmm's media command strings, wave device
// count and sound player.

#include "music/core/media_port.h"

namespace velmora::music {

class Win32MediaPort : public MediaPort {
  public:
    std::int32_t SendString(text::Cp932View command, char* reply,
                            std::uint32_t reply_size) override;
    std::int32_t WaveOutDeviceCount() override;
    std::int32_t PlaySoundFile(const char* name, std::uint32_t flags) override;
};

}  // namespace velmora::music
