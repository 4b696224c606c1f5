#include <gtest/gtest.h>

#include <utility>
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

// A hardware driver before an accelerated generic one before the software
// renderer, whatever their bits; within one driver depth counts twice, and
// colour past 16 bits only half.
TEST(BestPixelFormat, HardwareFirstThenDepthThenColour) {
    const PixelFormatDescription hardware_16 = Format(kWindowGl, 16, 16);
    const PixelFormatDescription accelerated_32 =
        Format(kWindowGl | pfd::kGenericFormat | pfd::kGenericAccelerated, 32, 32);
    const PixelFormatDescription software_32 = Format(kWindowGl | pfd::kGenericFormat, 32, 32);
    EXPECT_EQ(ChooseFrom({software_32, accelerated_32, hardware_16}), 3);
    EXPECT_EQ(ChooseFrom({software_32, accelerated_32}), 2);
    EXPECT_EQ(ChooseFrom({Format(kWindowGl, 32, 16), Format(kWindowGl, 16, 24)}), 2);
    EXPECT_EQ(ChooseFrom({hardware_16, Format(kWindowGl, 32, 24)}), 2);
    // 32 colour bits over 24 are worth 4, as 2 depth bits are: the first wins.
    EXPECT_EQ(ChooseFrom({Format(kWindowGl, 24, 26), Format(kWindowGl, 32, 24)}), 1);
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

// Without a double-buffered RGBA GL format the system's closest match to the
// fallback (24-bit colour and depth, double-buffered RGBA for a GL window) is
// set with that description; with one, the system is not asked.
TEST(PixelFormatToSet, TheClosestMatchToTheFallbackWhereNoneQualifies) {
    const auto to_set = [](const std::vector<PixelFormatDescription>& formats, int closest) {
        std::vector<PixelFormatDescription> asked;
        const PixelFormatToSet format = PixelFormatToSetFor(
            [&](int index, PixelFormatDescription& out) {
                if (index < 1 || index > static_cast<int>(formats.size())) {
                    return false;
                }
                out = formats[static_cast<size_t>(index - 1)];
                return true;
            },
            [&](const PixelFormatDescription& wanted) {
                asked.push_back(wanted);
                return closest;
            });
        return std::pair{format, asked};
    };
    const auto [single, asked] =
        to_set({Format(pfd::kSupportOpengl | pfd::kDrawToWindow, 32, 24)}, 7);
    EXPECT_EQ(single.index, 7);
    EXPECT_TRUE(single.with_fallback_description);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].flags, kWindowGl);
    EXPECT_EQ(asked[0].pixel_type, pfd::kTypeRgba);
    EXPECT_EQ(asked[0].colour_bits, 24);
    EXPECT_EQ(asked[0].depth_bits, 24);
    EXPECT_EQ(to_set({}, 0).first.index, 0) << "no format at all: none set";

    const auto [found, none_asked] = to_set({Format(kWindowGl, 16, 16)}, 7);
    EXPECT_EQ(found.index, 1);
    EXPECT_FALSE(found.with_fallback_description);
    EXPECT_TRUE(none_asked.empty());
}

}  // namespace
}  // namespace velmora::renderer
