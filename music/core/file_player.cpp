#include "music/core/file_player.h"

#include <string>

#include "music/core/mci_text.h"

namespace velmora::music {

using namespace text::literals;

namespace {

constexpr char kPlaying[] = "playing";

}  // namespace

// Every outcome but the open's goes unheeded: a sound that cannot play stays silent.
void FilePlayer::StartMp3() {
    const text::Cp932String open =
        "open \""_cp932 + file_ + "\" type MPEGVideo Alias MP3Play"_cp932;
    if (commands_.SendWithoutReply(open) == 0) {
        commands_.SendWithoutReply("play MP3Play"_cp932);
    }
}

bool FilePlayer::Mp3Playing() {
    return ModeIs(commands_.SendForReply("status MP3Play mode"_cp932, kMp3ModeReplyLength).reply,
                  kPlaying);
}

void FilePlayer::CheckMp3() {
    if (Mp3Playing()) {
        return;
    }
    commands_.SendWithoutReply("stop MP3Play"_cp932);
    commands_.SendWithoutReply("play MP3Play from 0"_cp932);
}

void FilePlayer::CloseMp3() {
    commands_.SendWithoutReply("stop MP3Play"_cp932);
    commands_.SendWithoutReply("close MP3Play"_cp932);
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
