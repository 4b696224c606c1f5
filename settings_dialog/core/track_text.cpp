#include "settings_dialog/core/track_text.h"

#include <cmath>
#include <limits>

#include "text/core/number_text.h"
#include "text/core/cp932_text.h"

namespace velmora::settings_dialog {

namespace {

constexpr int kLastListedTrack = 30;

// Full-width digits (０ to ９, bytes 82 4F to 82 58) as the digits they are,
// so what a Japanese input method types reads as a number.
std::string WithHalfWidthDigits(std::string_view text) {
    std::string digits;  // ASCII digits, the rest still code page 932
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t length = text::CharacterLength(text, offset);
        const auto second = static_cast<unsigned char>(text[offset + length - 1]);
        if (length == 2 && static_cast<unsigned char>(text[offset]) == 0x82 && second >= 0x4F &&
            second <= 0x58) {
            digits += static_cast<char>('0' + (second - 0x4F));
        } else {
            digits += text.substr(offset, length);
        }
        offset += length;
    }
    return digits;
}

}  // namespace

text::Cp932String TrackText(std::int32_t track) {
    return track == 0 ? text::Cp932String() : text::Cp932String(std::to_string(track));
}

std::vector<text::Cp932String> TrackListEntries() {
    std::vector<text::Cp932String> entries;
    for (int track = 0; track <= kLastListedTrack; ++track) {
        entries.push_back(TrackText(track));
    }
    return entries;
}

std::int16_t RepeatTrackFromText(text::Cp932View text) {
    const std::optional<double> number = text::ParseWholeNumber(WithHalfWidthDigits(text.Bytes()));
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
