#include "renderer/core/pixel_format_choice.h"

namespace velmora::renderer {

std::optional<int> pixel_format_score(const PixelFormatDescription& format) {
    constexpr uint32_t required = pfd::support_opengl | pfd::draw_to_window | pfd::double_buffer;
    if ((format.flags & required) != required || format.pixel_type != pfd::type_rgba) {
        return std::nullopt;
    }
    int score = format.colour_bits + 2 * format.depth_bits;
    if (format.colour_bits > 16) {
        score += (16 - format.colour_bits) / 2;
    }
    if ((format.flags & pfd::generic_format) == 0) {
        score += 2000;
    } else if ((format.flags & pfd::generic_accelerated) != 0) {
        score += 1000;
    }
    return score;
}

int best_pixel_format(const PixelFormatDescriber& describe) {
    int best_score = 0;
    int chosen = 0;
    PixelFormatDescription format;
    for (int index = 1; describe(index, format); ++index) {
        const std::optional<int> score = pixel_format_score(format);
        if (score && *score > best_score) {
            best_score = *score;
            chosen = index;
        }
    }
    return chosen;
}

PixelFormatDescription fallback_pixel_format() {
    PixelFormatDescription format;
    format.flags = pfd::draw_to_window | pfd::support_opengl | pfd::double_buffer;
    format.pixel_type = pfd::type_rgba;
    format.colour_bits = 24;
    format.depth_bits = 24;
    return format;
}

}  // namespace velmora::renderer
