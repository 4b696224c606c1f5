#pragma once
// The music CD player: opens the drive, and every check starts playback when
// the drive has stopped, the whole disc's music or one chosen track, each to
// its end and round again.

#include <cstdint>

#include "music/core/media_commands.h"

namespace velmora::music {

class CdPlayer {
  public:
    // The reply length the mode query asks for.
    static constexpr std::uint32_t kModeReplyLength = 255;

    // `repeat_track`: the track that repeats, 0 for the whole disc.
    CdPlayer(MediaCommands& commands, std::int16_t repeat_track)
        : commands_(commands), repeat_track_(repeat_track) {}

    void Open();
    // False when the drive cannot be followed, or its disc holds no music:
    // further checks make no sense.
    bool Check();
    void Close();

  private:
    // The next unbroken stretch of audio tracks, each stretch in turn and then
    // the first again (a disc's data tracks are never played); false when the
    // count of tracks cannot be read or no track is audio.
    bool PlayDisc(text::Cp932View track_count);
    // The first audio track from `track` on, 0 for none.
    std::int32_t FirstAudioFrom(std::int32_t track, std::int32_t count);
    // From the start of `first` to the end of `last`; silent when the drive
    // cannot tell either.
    void PlayTracks(std::int32_t first, std::int32_t last);
    bool IsAudio(std::int32_t track);

    MediaCommands& commands_;
    const std::int16_t repeat_track_;
    std::int32_t next_track_ = 1;  // where the disc's next stretch of music is looked for
};

}  // namespace velmora::music
