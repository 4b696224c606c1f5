#pragma once
// The background-music choice: loaded from the settings file at start-up,
// edited by the settings dialog, read by the players during a run.

#include <cstdint>
#include <string>

namespace velmora::music {

enum : std::int16_t { kBgmNone = 0, kBgmCd = 1, kBgmFile = 2 };

struct BgmSettings {
    std::int16_t BGM_Kind = 0;         // 0 none, 1 music CD, 2 one MP3 or WAV file
    std::int16_t BGM_RepeatTrack = 0;  // CD track to repeat, 0 = none
    std::string BGM_File;              // full path of the sound file (ANSI, code page 932)
};

}  // namespace velmora::music
