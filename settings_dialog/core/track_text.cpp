#include "settings_dialog/core/track_text.h"

#include <cmath>
#include <limits>

#include "settings/core/number_text.h"

namespace velmora::settings_dialog {

namespace {

constexpr int kLastListedTrack = 30;

}  // namespace

std::string TrackText(std::int32_t track) {
    return track == 0 ? std::string() : std::to_string(track);
}

std::vector<std::string> TrackListEntries() {
    std::vector<std::string> entries;
    for (int track = 0; track <= kLastListedTrack; ++track) {
        entries.push_back(TrackText(track));
    }
    return entries;
}

std::int16_t RepeatTrackFromText(std::string_view text) {
    const std::optional<double> number = settings::ParseWholeNumber(text);
    if (!number) {
        return 0;
    }
    const double nearest = std::nearbyint(*number);
    if (nearest < std::numeric_limits<std::int16_t>::min() ||
        nearest > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    return static_cast<std::int16_t>(nearest);
}

}  // namespace velmora::settings_dialog
