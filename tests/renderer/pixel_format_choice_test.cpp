#include <gtest/gtest.h>

#include <vector>

#include "renderer/core/pixel_format_choice.h"

namespace velmora::renderer {
namespace {

constexpr uint32_t kWindowGl = pfd::kSupportOpengl | pfd::kDrawToWindow | pfd::kDoubleBuffer;

PixelFormatDescription Format(uint32_t flags, int colour, int depth,
                              uint8_t type = pfd::kTypeRgba) {
    PixelFormatDescription description;
    description.flags = flags;
    description.pixel_type = type;
    description.colour_bits = colour;
    description.depth_bits = depth;
    return description;
}

int ChooseFrom(const std::vector<PixelFormatDescription>& formats) {
    return BestPixelFormat([&](int index, PixelFormatDescription& out) {
        if (index < 1 || index > static_cast<int>(formats.size())) {
            return false;
        }
        out = formats[static_cast<size_t>(index - 1)];
        return true;
    });
}

TEST(PixelFormatScore, WorkedScores) {
    EXPECT_EQ(PixelFormatScore(Format(kWindowGl, 32, 24)), 2072);
    EXPECT_EQ(PixelFormatScore(Format(kWindowGl, 16, 16)), 2048);
    EXPECT_EQ(PixelFormatScore(
                  Format(kWindowGl | pfd::kGenericFormat | pfd::kGenericAccelerated, 24, 24)),
              1068);
    EXPECT_EQ(PixelFormatScore(Format(kWindowGl | pfd::kGenericFormat, 24, 24)), 68);
    EXPECT_EQ(PixelFormatScore(Format(kWindowGl, 25, 0)), 25 - 4 + 2000);  // truncated
}

TEST(PixelFormatScore, OnlyDoubleBufferedRgbaWindowGlFormatsQualify) {
    EXPECT_FALSE(PixelFormatScore(Format(kWindowGl & ~pfd::kDoubleBuffer, 32, 24)));
    EXPECT_FALSE(PixelFormatScore(Format(kWindowGl & ~pfd::kDrawToWindow, 32, 24)));
    EXPECT_FALSE(PixelFormatScore(Format(kWindowGl & ~pfd::kSupportOpengl, 32, 24)));
    EXPECT_FALSE(PixelFormatScore(Format(kWindowGl, 32, 24, 1 /* colour index */)));
}

TEST(BestPixelFormat, HighestScoreWinsAndLowestIndexAmongEquals) {
    EXPECT_EQ(
        ChooseFrom({Format(kWindowGl | pfd::kGenericFormat, 32, 24), Format(kWindowGl, 16, 16),
                    Format(kWindowGl, 32, 24), Format(kWindowGl, 32, 24)}),
        3);
}

TEST(BestPixelFormat, NoneQualifyingGivesZeroAndTheFallbackDescription) {
    EXPECT_EQ(ChooseFrom({Format(pfd::kSupportOpengl | pfd::kDrawToWindow, 32, 24)}), 0);
    EXPECT_EQ(ChooseFrom({}), 0);

    const PixelFormatDescription fallback = FallbackPixelFormat();
    EXPECT_EQ(fallback.flags, 0x25u);
    EXPECT_EQ(fallback.pixel_type, pfd::kTypeRgba);
    EXPECT_EQ(fallback.colour_bits, 24);
    EXPECT_EQ(fallback.depth_bits, 24);
}

}  // namespace
}  // namespace velmora::renderer
