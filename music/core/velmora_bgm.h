#pragma once
// The music module: the media command layer, the music CD player and the
// MP3/WAV file player. Platform-free; the platform comes in through MediaPort.

#include <array>
#include <cstdint>
#include <string>

#include "music/core/bgm_settings.h"
#include "music/core/media_port.h"

namespace velmora::music {

class Velmora_BGM {
  public:
    // The fixed reply buffers and the sizes handed to the platform with them.
    static constexpr std::uint32_t kReturnBufSize = 512;
    static constexpr std::uint32_t kErrorBufSize = 256;
    static constexpr std::uint32_t kCdModeBufSize = 256;
    static constexpr std::uint32_t kCdModeReplySize = 255;
    static constexpr std::uint32_t kMp3ModeBufSize = 30;

    // PlaySoundA flags: SND_ASYNC | SND_LOOP.
    static constexpr std::uint32_t kLoopSoundFlags = 0x0001 | 0x0008;

    // `settings` is read at every operation, so it may be loaded after construction.
    Velmora_BGM(MediaPort& port, const BgmSettings& settings) : port_(port), settings_(settings) {}

    // Media command layer.
    // Sends `command`, sets `output` to the reply or the error text and returns
    // the MCI code (0 on success, -1 for an empty command).
    std::int32_t Mci_Send(const std::string& command, std::string& output);
    // The reply text, or "Error:" and the code when the command failed.
    std::string Mci_Query(const std::string& command);
    // "play <device>[ from <from>][ to <to>]"; returns the MCI code.
    std::int32_t Mci_Play(const std::string& device, const std::string& from,
                          const std::string& to);

    // Music CD player.
    void CD_Open();
    void CD_Check();  // leaves CD_Continue
    void CD_Close();

    // MP3 and WAV file player.
    void MP3_OpenPlay();
    bool MP3_IsPlaying();
    void MP3_Check();
    void MP3_Close();
    void WAV_Play();
    void WAV_Stop();

    std::int32_t ApiResult = 0;  // result of the most recent platform call
    bool CD_Continue = false;    // further CD checks make sense
    std::string Mci_Reply;       // reply or error text of the last query or play

  private:
    // Sends a command whose reply is not wanted (no buffer, size 0).
    std::int32_t send_without_reply(const std::string& command);
    // Sends a command whose reply goes into `buffer`, cleared first so that a
    // failed call never leaves an earlier reply behind.
    template <std::size_t N>
    std::int32_t send_into(const std::string& command, std::array<char, N>& buffer,
                           std::uint32_t reply_size);

    MediaPort& port_;
    const BgmSettings& settings_;

    std::array<char, kReturnBufSize> Mci_ReturnBuf{};
    std::array<char, kErrorBufSize> Mci_ErrorBuf{};
    std::array<char, kCdModeBufSize> CD_ModeBuf{};
    std::array<char, kMp3ModeBufSize> MP3_ModeBuf{};
};

}  // namespace velmora::music
