#pragma once
// The media command layer: command strings sent to the platform's media
// drivers, and their replies read as text.

#include <cstdint>

#include "music/core/media_port.h"
#include "text/core/cp932_string.h"

namespace velmora::music {

class MediaCommands {
  public:
    // The reply length asked for by Query and Play.
    static constexpr std::uint32_t kReplyLength = 512;

    explicit MediaCommands(MediaPort& port) : port_(port) {}

    // The reply text, or "Error:" and the MCI code when the command failed
    // (-1 for an empty command, which is never sent).
    text::Cp932String Query(text::Cp932View command);
    // "play <device>[ from <from>][ to <to>]"; returns the MCI code.
    std::int32_t Play(text::Cp932View device, text::Cp932View from, text::Cp932View to);

    // Sends a command whose reply is not wanted; returns the MCI code.
    std::int32_t SendWithoutReply(text::Cp932View command) {
        return port_.SendCommand(command, 0).code;
    }
    // Sends a command with room for a reply of `reply_length` characters.
    MediaAnswer SendForReply(text::Cp932View command, std::uint32_t reply_length) {
        return port_.SendCommand(command, reply_length);
    }

  private:
    MediaPort& port_;
};

}  // namespace velmora::music
