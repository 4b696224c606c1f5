#include "music/core/cd_player.h"

#include <optional>
#include <string>

#include "music/core/mci_text.h"
#include "text/core/number_text.h"

namespace velmora::music {

using namespace text::literals;

namespace {

constexpr text::Cp932View kCdDevice{"cdaudio"};
constexpr char kStopped[] = "stopped";
constexpr std::int32_t kFramesPerSecond = 75;
constexpr std::int32_t kMostTracks = 99;  // on any CD

text::Cp932String WithTrack(text::Cp932View query, std::int32_t track) {
    return query + text::Cp932String(std::to_string(track));
}

std::optional<std::int32_t> WholeNumber(text::Cp932View reply) {
    return text::Narrowed<std::int32_t>(text::ParseWholeInteger(reply.Bytes()));
}

// A length as the drive gives it in the tmsf time format, "mm:ss:ff", in frames.
std::optional<std::int32_t> LengthFrames(text::Cp932View reply) {
    std::int32_t total = 0;
    std::string_view rest = reply.Bytes();
    for (const std::int32_t unit : {60 * kFramesPerSecond, kFramesPerSecond, 1}) {
        const std::size_t colon = unit == 1 ? rest.size() : rest.find(':');
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        const std::optional<std::int64_t> part = text::ParseWholeInteger(rest.substr(0, colon));
        if (!part || *part < 0 || *part > 255) {
            return std::nullopt;
        }
        total += static_cast<std::int32_t>(*part) * unit;
        rest.remove_prefix(colon == rest.size() ? colon : colon + 1);
    }
    return total;
}

std::string TwoDigits(std::int32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

// The tmsf position `frames` into `track`: "tt:mm:ss:ff".
text::Cp932String TmsfPosition(std::int32_t track, std::int32_t frames) {
    return text::Cp932String(TwoDigits(track) + ":" + TwoDigits(frames / (60 * kFramesPerSecond)) +
                             ":" + TwoDigits(frames / kFramesPerSecond % 60) + ":" +
                             TwoDigits(frames % kFramesPerSecond));
}

}  // namespace

void CdPlayer::Open() {
    commands_.SendWithoutReply("open cdaudio"_cp932);
    commands_.SendWithoutReply("set cdaudio time format tmsf"_cp932);
}

void CdPlayer::Close() {
    commands_.SendWithoutReply("stop cdaudio"_cp932);
    commands_.SendWithoutReply("close cdaudio"_cp932);
}

bool CdPlayer::Check() {
    const text::Cp932String current = commands_.Query("status cdaudio current track"_cp932);
    if (HasErrorMark(current)) {
        return false;
    }
    const text::Cp932String track_count = commands_.Query("status cdaudio number of tracks"_cp932);
    if (HasErrorMark(track_count)) {
        return false;
    }

    const bool stopped = ModeIs(
        commands_.SendForReply("status cdaudio mode"_cp932, kModeReplyLength).reply, kStopped);

    if (repeat_track_ == 0) {
        return !stopped || PlayDisc(track_count);
    }

    // A current track that is not a number means the drive cannot be followed.
    const std::optional<std::int32_t> current_track = WholeNumber(current);
    if (!current_track) {
        return false;
    }
    // A drive whose audio is read for the sound device reports track 0 all
    // along: only a track it names tells that the disc has moved elsewhere.
    const bool elsewhere = *current_track != 0 && *current_track != repeat_track_;
    if ((stopped || elsewhere) && IsAudio(repeat_track_)) {
        PlayTracks(repeat_track_, repeat_track_);
    }
    return true;
}

bool CdPlayer::PlayDisc(text::Cp932View track_count) {
    const std::optional<std::int32_t> count = WholeNumber(track_count);
    if (!count || *count > kMostTracks) {
        return false;
    }
    // The stretch of music after the one that just ended, or else the disc's first.
    std::int32_t first = FirstAudioFrom(next_track_, *count);
    if (first == 0 && next_track_ > 1) {
        first = FirstAudioFrom(1, *count);
    }
    if (first == 0) {
        return false;
    }
    std::int32_t last = first;
    while (last < *count && IsAudio(last + 1)) {
        ++last;
    }
    PlayTracks(first, last);
    next_track_ = last + 1;
    return true;
}

std::int32_t CdPlayer::FirstAudioFrom(std::int32_t track, std::int32_t count) {
    for (; track <= count; ++track) {
        if (IsAudio(track)) {
            return track;
        }
    }
    return 0;
}

void CdPlayer::PlayTracks(std::int32_t first, std::int32_t last) {
    // The start comes back in the drive's own time format and goes back unchanged.
    const text::Cp932String from =
        commands_.Query(WithTrack("status cdaudio position track "_cp932, first));
    const std::optional<std::int32_t> length =
        LengthFrames(commands_.Query(WithTrack("status cdaudio length track "_cp932, last)));
    if (HasErrorMark(from) || !length || *length == 0) {
        return;
    }
    // The end is given, so the drive stops there and the next check starts
    // again: one frame short of the next track's start, which the driver
    // would move on past a data track that follows.
    commands_.Play(kCdDevice, from, TmsfPosition(last, *length - 1));
}

bool CdPlayer::IsAudio(std::int32_t track) {
    // "audio", or the number that stands for it (MCI_CDA_TRACK_AUDIO) where the
    // driver leaves the word to its caller, as Wine's does.
    const text::Cp932String type =
        commands_.Query(WithTrack("status cdaudio type track "_cp932, track));
    return type == "audio"_cp932 || type == "1088"_cp932;
}

}  // namespace velmora::music
