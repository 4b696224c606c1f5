#include "music/core/file_player.h"

#include <string>

#include "music/core/mci_text.h"

namespace velmora::music {

namespace {

constexpr char kPlaying[] = "playing";

}  // namespace

// Every outcome but the open's goes unheeded: a sound that cannot play stays silent.
void FilePlayer::StartMp3() {
    const text::Cp932String open = "open \"" + file_ + "\" type MPEGVideo Alias MP3Play";
    if (commands_.SendWithoutReply(open) == 0) {
        commands_.SendWithoutReply("play MP3Play");
    }
}

bool FilePlayer::Mp3Playing() {
    commands_.SendInto("status MP3Play mode", mode_buffer_, kMp3ModeBufferSize);
    return ModeIs(mode_buffer_, kPlaying);
}

void FilePlayer::CheckMp3() {
    if (Mp3Playing()) {
        return;
    }
    commands_.SendWithoutReply("stop MP3Play");
    commands_.SendWithoutReply("play MP3Play from 0");
}

void FilePlayer::CloseMp3() {
    commands_.SendWithoutReply("stop MP3Play");
    commands_.SendWithoutReply("close MP3Play");
}

void FilePlayer::StartWav() {
    if (commands_.Port().WaveOutDeviceCount() <= 0) {
        return;
    }
    commands_.Port().PlaySoundFile(file_.c_str(), kLoopSoundFlags);
}

void FilePlayer::StopWav() {
    commands_.Port().PlaySoundFile(nullptr, 0);
}

}  // namespace velmora::music
