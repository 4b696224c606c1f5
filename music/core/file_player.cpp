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
    return ModeIs(commands_.SendForReply("status MP3Play mode", kMp3ModeReplyLength).reply,
                  kPlaying);
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
    if (sounds_.SoundOutputCount() <= 0) {
        return;
    }
    sounds_.PlayLooping(file_);
}

void FilePlayer::StopWav() {
    sounds_.StopSound();
}

}  // namespace velmora::music
