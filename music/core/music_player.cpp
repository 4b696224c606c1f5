#include "music/core/music_player.h"

#include "music/core/mci_text.h"
#include "music/core/music_texts.h"
#include "settings/core/ascii_text.h"

namespace velmora::music {

namespace {

constexpr char kCdDevice[] = "cdaudio";
constexpr char kStopped[] = "stopped";
constexpr char kPlaying[] = "playing";

}  // namespace

MusicSource MusicSourceFor(const settings::MusicChoice& choice) {
    if (choice.kind == settings::kCdMusic) {
        return MusicSource::Cd;
    }
    if (choice.kind != settings::kFileMusic || choice.file.size() < 3) {
        return MusicSource::None;
    }
    std::string ending = choice.file.substr(choice.file.size() - 3);
    for (char& c : ending) {
        c = settings::AsciiUpper(c);
    }
    if (ending == "WAV") {
        return MusicSource::WavFile;
    }
    if (ending == "MP3") {
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

void MusicPlayer::Start(MusicSource source) {
    switch (source) {
        case MusicSource::Cd:
            OpenCd();
            break;
        case MusicSource::WavFile:
            StartWav();  // loops by itself
            break;
        case MusicSource::Mp3File:
            StartMp3();
            break;
        case MusicSource::None:
            break;
    }
}

bool MusicPlayer::Check(MusicSource source) {
    switch (source) {
        case MusicSource::Cd:
            return CheckCd();
        case MusicSource::Mp3File:
            CheckMp3();
            return true;
        default:
            return false;
    }
}

void MusicPlayer::Stop(MusicSource source) {
    switch (source) {
        case MusicSource::Cd:
            CloseCd();
            break;
        case MusicSource::WavFile:
            StopWav();
            break;
        case MusicSource::Mp3File:
            CloseMp3();
            break;
        case MusicSource::None:
            break;
    }
}

template <std::size_t N>
std::int32_t MusicPlayer::SendInto(const std::string& command, std::array<char, N>& buffer,
                                   std::uint32_t reply_size) {
    static_assert(N > 0);
    buffer.fill('\0');
    return port_.SendString(command, buffer.data(), reply_size);
}

std::int32_t MusicPlayer::SendWithoutReply(const std::string& command) {
    return port_.SendString(command, nullptr, 0);
}

std::int32_t MusicPlayer::SendCommand(const std::string& command, std::string& output) {
    if (command.empty()) {
        output = kNoCommandText;
        return -1;
    }
    const std::int32_t code = SendInto(command, reply_buffer_, kReplyBufferSize);
    last_result_ = code;
    if (code != 0) {
        error_buffer_.fill('\0');
        if (port_.ErrorString(code, error_buffer_.data(), kErrorBufferSize)) {
            output = ReplyText(error_buffer_.data(), error_buffer_.size());
        } else {
            output = kNoErrorText;
        }
        return code;
    }
    output = ReplyText(reply_buffer_.data(), reply_buffer_.size());
    return 0;
}

std::string MusicPlayer::Query(const std::string& command) {
    last_result_ = SendCommand(command, last_reply_);
    if (last_result_ != 0) {
        return "Error:" + std::to_string(last_result_);
    }
    return last_reply_;
}

std::int32_t MusicPlayer::Play(const std::string& device, const std::string& from,
                               const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) {
        command += " from " + from;
    }
    if (!to.empty()) {
        command += " to " + to;
    }
    return SendCommand(command, last_reply_);
}

void MusicPlayer::OpenCd() {
    last_result_ = SendWithoutReply("open cdaudio");
    last_result_ = SendWithoutReply("set cdaudio time format tmsf");
}

void MusicPlayer::CloseCd() {
    last_result_ = SendWithoutReply("stop cdaudio");
    last_result_ = SendWithoutReply("close cdaudio");
}

bool MusicPlayer::CheckCd() {
    const std::string current = Query("status cdaudio current track");
    if (HasErrorMark(current)) {
        return false;
    }
    // The count is not used: the query is a second test that a playable disc is in.
    if (HasErrorMark(Query("status cdaudio number of tracks"))) {
        return false;
    }

    last_result_ = SendInto("status cdaudio mode", cd_mode_buffer_, kCdModeReplySize);
    const bool stopped = ModeIs(cd_mode_buffer_, kStopped);

    const std::int16_t track = choice_.repeat_track;
    if (track == 0) {
        if (stopped) {
            Play(kCdDevice, "", "");  // play on from the current position
        }
        return true;
    }

    // A current track that is not a number means the drive cannot be followed.
    const std::optional<std::int32_t> current_track = ReadNumber(current);
    if (!current_track) {
        return false;
    }
    if (stopped || *current_track != track) {
        // The position comes back in the drive's own time format; it is passed
        // on unchanged, and playback is never given an end.
        const std::string position =
            Query("status cdaudio position track " + std::to_string(track));
        Play(kCdDevice, position, "");
    }
    return true;
}

void MusicPlayer::StartMp3() {
    const std::string open = "open \"" + choice_.file + "\" type MPEGVideo Alias MP3Play";
    if (SendWithoutReply(open) == 0) {
        SendWithoutReply("play MP3Play");
    }
}

bool MusicPlayer::Mp3Playing() {
    SendInto("status MP3Play mode", mp3_mode_buffer_, kMp3ModeBufferSize);
    return ModeIs(mp3_mode_buffer_, kPlaying);
}

void MusicPlayer::CheckMp3() {
    if (Mp3Playing()) {
        return;
    }
    SendWithoutReply("stop MP3Play");
    SendWithoutReply("play MP3Play from 0");
}

void MusicPlayer::CloseMp3() {
    SendWithoutReply("stop MP3Play");
    SendWithoutReply("close MP3Play");
}

void MusicPlayer::StartWav() {
    if (port_.WaveOutDeviceCount() <= 0) {
        return;
    }
    last_result_ = port_.PlaySoundFile(choice_.file.c_str(), kLoopSoundFlags);
}

void MusicPlayer::StopWav() {
    last_result_ = port_.PlaySoundFile(nullptr, 0);
}

}  // namespace velmora::music
