#pragma once
// The music module: the media command layer, the music CD player and the
// MP3/WAV file player. Platform-free; the platform comes in through MediaPort.

#include <cstdint>
#include <string>

#include "music/core/bgm_settings.h"
#include "music/core/media_port.h"

namespace velmora::music {

class Velmora_BGM {
public:
    Velmora_BGM(MediaPort& port, const BgmSettings& settings) : port_(port), settings_(settings) {}

    // Media command layer.
    std::int32_t Mci_Send(const std::string& command, std::string& output);
    std::string Mci_Query(const std::string& command);
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
    MediaPort& port_;
    const BgmSettings& settings_;
};

}  // namespace velmora::music
