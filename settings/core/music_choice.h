#pragma once
// The background-music choice: loaded from the settings file at start-up,
// edited by the settings dialog, read by the music player during a run.

#include <cstdint>

#include "text/core/cp932_string.h"

namespace velmora::settings {

// The kinds of music a run can play.
inline constexpr std::int16_t kNoMusic = 0;
inline constexpr std::int16_t kCdMusic = 1;    // the tracks of a music CD
inline constexpr std::int16_t kFileMusic = 2;  // one MP3 or WAV file, repeated

struct MusicChoice {
    std::int16_t kind = kNoMusic;   // any value may be stored; only 0, 1 and 2 mean something
    std::int16_t repeat_track = 0;  // CD track to repeat, 0 = none
    text::Cp932String file;         // full path of the sound file
};

}  // namespace velmora::settings
