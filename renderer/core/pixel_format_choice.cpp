#include "renderer/core/pixel_format_choice.h"

namespace velmora::renderer {

std::optional<int> PixelFormatScore(const PixelFormatDescription& format) {
    constexpr uint32_t kRequired = pfd::kSupportOpengl | pfd::kDrawToWindow | pfd::kDoubleBuffer;
    if ((format.flags & kRequired) != kRequired || format.pixel_type != pfd::kTypeRgba) {
        return std::nullopt;
    }
    int score = format.colour_bits + 2 * format.depth_bits;
    if (format.colour_bits > 16) {
        score += (16 - format.colour_bits) / 2;
    }
    if ((format.flags & pfd::kGenericFormat) == 0) {
        score += 2000;
    } else if ((format.flags & pfd::kGenericAccelerated) != 0) {
        score += 1000;
    }
    return score;
}

int BestPixelFormat(const PixelFormatDescriber& describe) {
    int best_score = 0;
    int chosen = 0;
    PixelFormatDescription format;
    for (int index = 1; describe(index, format); ++index) {
        const std::optional<int> score = PixelFormatScore(format);
        if (score && *score > best_score) {
            best_score = *score;
            chosen = index;
        }
    }
    return chosen;
}

PixelFormatToSet PixelFormatToSetFor(const PixelFormatDescriber& describe,
                                     const ClosestPixelFormat& closest) {
    const int chosen = BestPixelFormat(describe);
    if (chosen != 0) {
        return PixelFormatToSet{chosen, false};
    }
    return PixelFormatToSet{closest(FallbackPixelFormat()), true};
}

PixelFormatDescription FallbackPixelFormat() {
    PixelFormatDescription format;
    format.flags = pfd::kDrawToWindow | pfd::kSupportOpengl | pfd::kDoubleBuffer;
    format.pixel_type = pfd::kTypeRgba;
    format.colour_bits = 24;
    format.depth_bits = 24;
    return format;
}

}  // namespace velmora::renderer
