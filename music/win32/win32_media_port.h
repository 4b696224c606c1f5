#pragma once
// The music module's platform: winmm's media command strings, error texts,
// wave device count and sound player.

#include "music/core/media_port.h"

namespace velmora::music {

class Win32MediaPort : public MediaPort {
  public:
    std::int32_t send_string(const std::string& command, char* reply,
                             std::uint32_t reply_size) override;
    bool error_string(std::int32_t code, char* buffer, std::uint32_t size) override;
    std::int32_t wave_out_device_count() override;
    std::int32_t play_sound(const char* name, std::uint32_t flags) override;
};

}  // namespace velmora::music
