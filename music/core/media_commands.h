#pragma once
// The media command layer: command strings sent to the platform's media
// drivers, their replies and failures turned into text.

#include <array>
#include <cstdint>

#include "music/core/media_port.h"
#include "text/core/cp932_string.h"

namespace velmora::music {

class MediaCommands {
  public:
    // The fixed reply buffers and the sizes handed to the platform with them.
    static constexpr std::uint32_t kReplyBufferSize = 512;
    static constexpr std::uint32_t kErrorBufferSize = 256;

    explicit MediaCommands(MediaPort& port) : port_(port) {}

    // Sends `command`, sets `output` to the reply or the error text and returns
    // the MCI code (0 on success, -1 for an empty command).
    std::int32_t Send(const text::Cp932String& command, text::Cp932String& output);
    // The reply text, or "Error:" and the code when the command failed.
    text::Cp932String Query(const text::Cp932String& command);
    // "play <device>[ from <from>][ to <to>]"; returns the MCI code.
    std::int32_t Play(const text::Cp932String& device, const text::Cp932String& from,
                      const text::Cp932String& to);

    // Sends a command whose reply is not wanted (no buffer, size 0).
    std::int32_t SendWithoutReply(const text::Cp932String& command) {
        return port_.SendString(command, nullptr, 0);
    }
    // Sends a command whose reply goes into `buffer`, cleared first so that a
    // failed call never leaves an earlier reply behind.
    template <std::size_t N>
    std::int32_t SendInto(const text::Cp932String& command, std::array<char, N>& buffer,
                          std::uint32_t reply_size) {
        static_assert(N > 0);
        buffer.fill('\0');
        return port_.SendString(command, buffer.data(), reply_size);
    }

    MediaPort& Port() { return port_; }

    // The result of the most recent platform call whose caller keeps it, and
    // the reply or error text of the last query or play.
    std::int32_t LastResult() const { return last_result_; }
    void KeepResult(std::int32_t code) { last_result_ = code; }
    const text::Cp932String& LastReply() const { return last_reply_; }

  private:
    MediaPort& port_;
    std::int32_t last_result_ = 0;
    text::Cp932String last_reply_;
    std::array<char, kReplyBufferSize> reply_buffer_{};
    std::array<char, kErrorBufferSize> error_buffer_{};
};

}  // namespace velmora::music
