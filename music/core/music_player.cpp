#include "music/core/music_player.h"

#include <string>

#include "text/core/cp932_text.h"

namespace velmora::music {

using namespace text::literals;

MusicSource MusicSourceFor(const settings::MusicChoice& choice) {
    if (choice.kind == settings::kCdMusic) {
        return MusicSource::Cd;
    }
    if (choice.kind != settings::kFileMusic) {
        return MusicSource::None;
    }
    // The last three characters: a name ending in 集AV (8F 57 41 56) is no WAV.
    const text::Cp932String ending = text::FileTypeEnding(choice.file);
    if (ending == "WAV"_cp932) {
        return MusicSource::WavFile;
    }
    if (ending == "MP3"_cp932) {
        return MusicSource::Mp3File;
    }
    return MusicSource::None;
}

std::uint32_t CheckIntervalMs(MusicSource source) {
    switch (source) {
        case MusicSource::Cd:
            return 200;
        case MusicSource::Mp3File:
            return 1000;
        default:
            return 0;
    }
}

void MusicPlayer::Start() {
    switch (source_) {
        case MusicSource::Cd:
            cd_.Open();
            break;
        case MusicSource::WavFile:
            file_.StartWav();  // loops by itself
            break;
        case MusicSource::Mp3File:
            file_.StartMp3();
            break;
        case MusicSource::None:
            break;
    }
}

bool MusicPlayer::Check() {
    switch (source_) {
        case MusicSource::Cd:
            return cd_.Check();
        case MusicSource::Mp3File:
            file_.CheckMp3();
            return true;
        default:
            return false;
    }
}

void MusicPlayer::Stop() {
    switch (source_) {
        case MusicSource::Cd:
            cd_.Close();
            break;
        case MusicSource::WavFile:
            file_.StopWav();
            break;
        case MusicSource::Mp3File:
            file_.CloseMp3();
            break;
        case MusicSource::None:
            break;
    }
}

}  // namespace velmora::music
