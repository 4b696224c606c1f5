#pragma once
// The music player's platform: winmm's media command strings, wave device
// count and sound player.

#include "music/core/media_port.h"

namespace velmora::music {

class Win32MediaPort : public MediaPort {
  public:
    MediaAnswer SendCommand(text::Cp932View command, std::uint32_t reply_length) override;
    std::int32_t SoundOutputCount() override;
    void PlayLooping(text::Cp932View file) override;
    void StopSound() override;
};

}  // namespace velmora::music
