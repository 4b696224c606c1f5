#include <gtest/gtest.h>

#include <vector>

#include "renderer/core/pixel_format_choice.h"

namespace velmora::renderer {
namespace {

constexpr uint32_t kWindowGl = pfd::support_opengl | pfd::draw_to_window | pfd::double_buffer;

PixelFormatDescription format(uint32_t flags, int colour, int depth,
                              uint8_t type = pfd::type_rgba) {
    PixelFormatDescription description;
    description.flags = flags;
    description.pixel_type = type;
    description.colour_bits = colour;
    description.depth_bits = depth;
    return description;
}

int choose_from(const std::vector<PixelFormatDescription>& formats) {
    return best_pixel_format([&](int index, PixelFormatDescription& out) {
        if (index < 1 || index > static_cast<int>(formats.size())) {
            return false;
        }
        out = formats[static_cast<size_t>(index - 1)];
        return true;
    });
}

TEST(PixelFormatScore, WorkedScores) {
    EXPECT_EQ(pixel_format_score(format(kWindowGl, 32, 24)), 2072);
    EXPECT_EQ(pixel_format_score(format(kWindowGl, 16, 16)), 2048);
    EXPECT_EQ(pixel_format_score(
                  format(kWindowGl | pfd::generic_format | pfd::generic_accelerated, 24, 24)),
              1068);
    EXPECT_EQ(pixel_format_score(format(kWindowGl | pfd::generic_format, 24, 24)), 68);
    EXPECT_EQ(pixel_format_score(format(kWindowGl, 25, 0)), 25 - 4 + 2000);  // truncated
}

TEST(PixelFormatScore, OnlyDoubleBufferedRgbaWindowGlFormatsQualify) {
    EXPECT_FALSE(pixel_format_score(format(kWindowGl & ~pfd::double_buffer, 32, 24)));
    EXPECT_FALSE(pixel_format_score(format(kWindowGl & ~pfd::draw_to_window, 32, 24)));
    EXPECT_FALSE(pixel_format_score(format(kWindowGl & ~pfd::support_opengl, 32, 24)));
    EXPECT_FALSE(pixel_format_score(format(kWindowGl, 32, 24, 1 /* colour index */)));
}

TEST(BestPixelFormat, HighestScoreWinsAndLowestIndexAmongEquals) {
    EXPECT_EQ(
        choose_from({format(kWindowGl | pfd::generic_format, 32, 24), format(kWindowGl, 16, 16),
                     format(kWindowGl, 32, 24), format(kWindowGl, 32, 24)}),
        3);
}

TEST(BestPixelFormat, NoneQualifyingGivesZeroAndTheFallbackDescription) {
    EXPECT_EQ(choose_from({format(pfd::support_opengl | pfd::draw_to_window, 32, 24)}), 0);
    EXPECT_EQ(choose_from({}), 0);

    const PixelFormatDescription fallback = fallback_pixel_format();
    EXPECT_EQ(fallback.flags, 0x25u);
    EXPECT_EQ(fallback.pixel_type, pfd::type_rgba);
    EXPECT_EQ(fallback.colour_bits, 24);
    EXPECT_EQ(fallback.depth_bits, 24);
}

}  // namespace
}  // namespace velmora::renderer
