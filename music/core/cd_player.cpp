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
    // The count is not used: the query is a second test that a playable disc is in.
    if (HasErrorMark(commands_.Query("status cdaudio number of tracks"_cp932))) {
        return false;
    }

    const bool stopped = ModeIs(
        commands_.SendForReply("status cdaudio mode"_cp932, kModeReplyLength).reply, kStopped);

    const std::int16_t track = repeat_track_;
    if (track == 0) {
        if (stopped) {
            commands_.Play(kCdDevice, {}, {});  // play on from the current position
        }
        return true;
    }

    // A current track that is not a number means the drive cannot be followed.
    const std::optional<std::int32_t> current_track =
        text::Narrowed<std::int32_t>(text::ParseWholeInteger(current.Bytes()));
    if (!current_track) {
        return false;
    }
    if (stopped || *current_track != track) {
        // The position comes back in the drive's own time format; it is passed
        // on unchanged, and playback is never given an end.
        const text::Cp932String position = commands_.Query(
            "status cdaudio position track "_cp932 + text::Cp932String(std::to_string(track)));
        commands_.Play(kCdDevice, position, {});
    }
    return true;
}

}  // namespace velmora::music
