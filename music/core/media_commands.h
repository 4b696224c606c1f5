#pragma once
// The media command layer: command strings sent to the platform's media
// drivers, and their replies read as text.

#include <array>
#include <cstdint>

#include "music/core/media_port.h"
#include "text/core/cp932_string.h"

namespace velmora::music {

class MediaCommands {
  public:
    // The fixed reply buffer and the size handed to the platform with it.
    static constexpr std::uint32_t kReplyBufferSize = 512;

    explicit MediaCommands(MediaPort& port) : port_(port) {}

    // The reply text, or "Error:" and the MCI code when the command failed
    // (-1 for an empty command, which is never sent).
    text::Cp932String Query(text::Cp932View command);
    // "play <device>[ from <from>][ to <to>]"; returns the MCI code.
    std::int32_t Play(text::Cp932View device, text::Cp932View from, text::Cp932View to);

    // Sends a command whose reply is not wanted (no buffer, size 0).
    std::int32_t SendWithoutReply(text::Cp932View command) {
        return port_.SendString(command, nullptr, 0);
    }
    // Sends a command whose reply goes into `buffer`, cleared first so that a
    // failed call never leaves an earlier reply behind.
    template <std::size_t N>
    std::int32_t SendInto(text::Cp932View command, std::array<char, N>& buffer,
                          std::uint32_t reply_size) {
        static_assert(N > 0);
        buffer.fill('\0');
        return port_.SendString(command, buffer.data(), reply_size);
    }

    MediaPort& Port() { return port_; }

  private:
    // Sends with the reply buffer; returns the MCI code.
    std::int32_t SendWithReply(text::Cp932View command);

    MediaPort& port_;
    std::array<char, kReplyBufferSize> reply_buffer_{};
};

}  // namespace velmora::music
