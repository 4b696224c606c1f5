#pragma once
// The run's music operations, played by the module Velmora_BGM.

#include "music/core/velmora_bgm.h"
#include "saver/core/run_controller.h"

namespace velmora::saver {

class BgmMusic final : public MusicPort {
  public:
    explicit BgmMusic(music::Velmora_BGM& bgm) : bgm_(bgm) {}
    void CD_Open() override { bgm_.CD_Open(); }
    void CD_Check() override { bgm_.CD_Check(); }
    bool CD_Continue() override { return bgm_.CD_Continue; }
    void CD_Close() override { bgm_.CD_Close(); }
    void MP3_OpenPlay() override { bgm_.MP3_OpenPlay(); }
    void MP3_Check() override { bgm_.MP3_Check(); }
    void MP3_Close() override { bgm_.MP3_Close(); }
    void WAV_Play() override { bgm_.WAV_Play(); }
    void WAV_Stop() override { bgm_.WAV_Stop(); }

  private:
    music::Velmora_BGM& bgm_;
};

}  // namespace velmora::saver
