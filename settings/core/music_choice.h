#pragma once
// The background-music choice: loaded from the settings file at start-up,
// edited by the settings dialog, read by the music player during a run.

#include <cstdint>
#include <string>

namespace velmora::settings {

// The kinds of music a run can play.
inline constexpr std::int16_t kNoMusic = 0;
inline constexpr std::int16_t kCdMusic = 1;    // the tracks of a music CD
inline constexpr std::int16_t kFileMusic = 2;  // one MP3 or WAV file, repeated

struct MusicChoice {
    std::int16_t kind = kNoMusic;   // any value may be stored; only 0, 1 and 2 mean something
    std::int16_t repeat_track = 0;  // CD track to repeat, 0 = none
    std::string file;               // full path of the sound file (ANSI, code page 932)
};

}  // namespace velmora::settings
