#include "music/core/velmora_bgm.h"

#include "music/core/bgm_texts.h"
#include "music/core/mci_text.h"

namespace velmora::music {

namespace {

constexpr char kCdDevice[] = "cdaudio";
constexpr char kStopped[] = "stopped";
constexpr char kPlaying[] = "playing";

}  // namespace

template <std::size_t N>
std::int32_t Velmora_BGM::send_into(const std::string& command, std::array<char, N>& buffer,
                                    std::uint32_t reply_size) {
    static_assert(N > 0);
    buffer.fill('\0');
    return port_.send_string(command, buffer.data(), reply_size);
}

std::int32_t Velmora_BGM::send_without_reply(const std::string& command) {
    return port_.send_string(command, nullptr, 0);
}

std::int32_t Velmora_BGM::Mci_Send(const std::string& command, std::string& output) {
    if (command.empty()) {
        output = kNoCommandText;
        return -1;
    }
    const std::int32_t code = send_into(command, Mci_ReturnBuf, kReturnBufSize);
    ApiResult = code;
    if (code != 0) {
        Mci_ErrorBuf.fill('\0');
        if (port_.error_string(code, Mci_ErrorBuf.data(), kErrorBufSize)) {
            output = ReplyText(Mci_ErrorBuf.data(), Mci_ErrorBuf.size());
        } else {
            output = kNoErrorText;
        }
        return code;
    }
    output = ReplyText(Mci_ReturnBuf.data(), Mci_ReturnBuf.size());
    return 0;
}

std::string Velmora_BGM::Mci_Query(const std::string& command) {
    ApiResult = Mci_Send(command, Mci_Reply);
    if (ApiResult != 0) {
        return "Error:" + std::to_string(ApiResult);
    }
    return Mci_Reply;
}

std::int32_t Velmora_BGM::Mci_Play(const std::string& device, const std::string& from,
                                   const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) {
        command += " from " + from;
    }
    if (!to.empty()) {
        command += " to " + to;
    }
    return Mci_Send(command, Mci_Reply);
}

void Velmora_BGM::CD_Open() {
    ApiResult = send_without_reply("open cdaudio");
    ApiResult = send_without_reply("set cdaudio time format tmsf");
}

void Velmora_BGM::CD_Close() {
    ApiResult = send_without_reply("stop cdaudio");
    ApiResult = send_without_reply("close cdaudio");
}

void Velmora_BGM::CD_Check() {
    CD_Continue = true;

    const std::string current = Mci_Query("status cdaudio current track");
    if (HasErrorMark(current)) {
        CD_Continue = false;
        return;
    }
    // The count is not used: the query is a second test that a playable disc is in.
    if (HasErrorMark(Mci_Query("status cdaudio number of tracks"))) {
        CD_Continue = false;
        return;
    }

    ApiResult = send_into("status cdaudio mode", CD_ModeBuf, kCdModeReplySize);
    const bool stopped = ModeIs(CD_ModeBuf, kStopped);

    const std::int16_t track = settings_.BGM_RepeatTrack;
    if (track == 0) {
        if (stopped) {
            Mci_Play(kCdDevice, "", "");  // play on from the current position
        }
        return;
    }

    // A current track that is not a number means the drive cannot be followed.
    const std::optional<std::int32_t> current_track = ReadNumber(current);
    if (!current_track) {
        CD_Continue = false;
        return;
    }
    if (stopped || *current_track != track) {
        // The position comes back in the drive's own time format; it is passed
        // on unchanged, and playback is never given an end.
        const std::string position =
            Mci_Query("status cdaudio position track " + std::to_string(track));
        Mci_Play(kCdDevice, position, "");
    }
}

void Velmora_BGM::MP3_OpenPlay() {
    const std::string open = "open \"" + settings_.BGM_File + "\" type MPEGVideo Alias MP3Play";
    if (send_without_reply(open) == 0) {
        send_without_reply("play MP3Play");
    }
}

bool Velmora_BGM::MP3_IsPlaying() {
    send_into("status MP3Play mode", MP3_ModeBuf, kMp3ModeBufSize);
    return ModeIs(MP3_ModeBuf, kPlaying);
}

void Velmora_BGM::MP3_Check() {
    if (MP3_IsPlaying()) {
        return;
    }
    send_without_reply("stop MP3Play");
    send_without_reply("play MP3Play from 0");
}

void Velmora_BGM::MP3_Close() {
    send_without_reply("stop MP3Play");
    send_without_reply("close MP3Play");
}

void Velmora_BGM::WAV_Play() {
    if (port_.wave_out_device_count() <= 0) {
        return;
    }
    ApiResult = port_.play_sound(settings_.BGM_File.c_str(), kLoopSoundFlags);
}

void Velmora_BGM::WAV_Stop() {
    ApiResult = port_.play_sound(nullptr, 0);
}

}  // namespace velmora::music
