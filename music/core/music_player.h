#pragma once
// The music player: the CD player or the file player, started, checked and
// stopped by the kind of music the run plays. Platform-free; the platform
// comes in through MediaPort.

#include <cstdint>

#include "music/core/cd_player.h"
#include "music/core/file_player.h"
#include "music/core/media_commands.h"
#include "music/core/media_port.h"
#include "settings/core/music_choice.h"

namespace velmora::music {

// What a run plays, by the music choice.
enum class MusicSource { None, Cd, WavFile, Mp3File };

// Kind 1 is the CD; kind 2 is the file by the upper-cased last three
// characters of its name, "WAV" or "MP3"; anything else plays nothing.
MusicSource MusicSourceFor(const settings::MusicChoice& choice);

// How often a source wants its check while it plays: the CD every 200 ms
// (start and repeat), an MP3 every 1000 ms (restart at its end); 0 for none.
std::uint32_t CheckIntervalMs(MusicSource source);

// The music of one run: the media command layer with its CD player and file
// player. What it plays is taken from the choice once, when it is made.
class MusicPlayer {
  public:
    MusicPlayer(MediaPort& port, const settings::MusicChoice& choice)
        : source_(MusicSourceFor(choice)),
          commands_(port),
          cd_(commands_, choice.repeat_track),
          file_(commands_, port, choice.file) {}

    MusicSource Source() const { return source_; }

    void Start();
    // One check; false when further checks make no sense.
    bool Check();
    void Stop();

  private:
    const MusicSource source_;
    MediaCommands commands_;
    CdPlayer cd_;
    FilePlayer file_;
};

}  // namespace velmora::music
