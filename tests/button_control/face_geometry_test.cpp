// Where the frame pieces go, at the designed sizes, other widths and other DPIs,
// and the gradient colours.

#include <gtest/gtest.h>

#include <array>

#include "button_control/core/face_geometry.h"
#include "button_control/core/gradient.h"

namespace velmora::button_control {
namespace {

struct TwipsPiece {
    std::array<int, 4> source;
    std::array<int, 4> destination;
};

std::array<int, 4> AsArray(const TwipsRect& r) {
    return {r.x, r.y, r.width, r.height};
}

TEST(SliceGeometry, TwipsAtFifteenTwipsAPixel) {
    for (int width : {435, 1035, 1095, 1755, 1875}) {
        for (int height : {375, 315}) {
            SCOPED_TRACE(::testing::Message() << width << " x " << height);
            SliceGeometry geometry;
            geometry.Update(width, height, Scale{});
            const int w = width, h = height;
            const std::array<TwipsPiece, 8> expected = {{
                {{0, 0, 60, 60}, {1, 1, 60, 60}},
                {{60, 1, 840, 60}, {60, 1, w - 120, 60}},
                {{900, 1, 60, 60}, {w - 60, 1, 60, 60}},
                {{900, 60, 60, 255}, {w - 60, 60, 60, h - 120}},
                {{900, 315, 60, 60}, {w - 60, h - 60, 60, 60}},
                {{60, 315, 840, 60}, {60, h - 60, w - 120, 60}},
                {{0, 315, 60, 60}, {1, h - 60, 60, 60}},
                {{1, 60, 60, 255}, {1, 60, 60, h - 120}},
            }};
            const auto pieces = geometry.Pieces();
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                EXPECT_EQ(AsArray(pieces[i].source), expected[i].source) << "piece " << i + 1;
                EXPECT_EQ(AsArray(pieces[i].destination), expected[i].destination)
                    << "piece " << i + 1;
            }
        }
    }
}

TEST(SliceGeometry, SideEdgesUnscaledAt375AndSqueezedAt315) {
    SliceGeometry geometry;
    geometry.Update(1095, 375, Scale{});
    EXPECT_EQ(geometry.MiddleHeight(), 255);
    auto pixels = PiecesInPixels(geometry.Pieces(), Scale{});
    EXPECT_EQ(pixels[3].source, (PixelRect{60, 4, 4, 17}));
    EXPECT_EQ(pixels[3].destination, (PixelRect{69, 4, 4, 17}));

    geometry.Update(435, 315, Scale{});
    EXPECT_EQ(geometry.MiddleHeight(), 195);
    pixels = PiecesInPixels(geometry.Pieces(), Scale{});
    EXPECT_EQ(pixels[7].source, (PixelRect{0, 4, 4, 17}));
    EXPECT_EQ(pixels[7].destination, (PixelRect{0, 4, 4, 13}));
}

// The pixel rectangles of a W x H pixel button: a 4-pixel frame, corners
// copied 1:1, edges stretched along their length only, the centre never copied.
std::array<PieceCopy, 8> ExpectedPixels(int w, int h) {
    return {{
        {{0, 0, 4, 4}, {0, 0, 4, 4}},
        {{4, 0, 56, 4}, {4, 0, w - 8, 4}},
        {{60, 0, 4, 4}, {w - 4, 0, 4, 4}},
        {{60, 4, 4, 17}, {w - 4, 4, 4, h - 8}},
        {{60, 21, 4, 4}, {w - 4, h - 4, 4, 4}},
        {{4, 21, 56, 4}, {4, h - 4, w - 8, 4}},
        {{0, 21, 4, 4}, {0, h - 4, 4, 4}},
        {{0, 4, 4, 17}, {0, 4, 4, h - 8}},
    }};
}

TEST(SliceGeometry, PixelsTileTheFrameAtEveryDpi) {
    for (int dpi : {96, 120, 144}) {
        const Scale scale = ScaleForDpi(dpi, dpi);
        for (auto [w, h] : {std::pair{117, 28}, std::pair{73, 25}, std::pair{29, 21},
                            std::pair{125, 31}, std::pair{8, 8}}) {
            SCOPED_TRACE(::testing::Message() << dpi << " dpi, " << w << " x " << h);
            SliceGeometry geometry;
            geometry.Update(w * scale.x, h * scale.y, scale);
            const auto pixels = PiecesInPixels(geometry.Pieces(), scale);
            const auto expected = ExpectedPixels(w, h);
            for (std::size_t i = 0; i < 8; ++i) {
                EXPECT_EQ(pixels[i].source, expected[i].source) << "piece " << i + 1;
                EXPECT_EQ(pixels[i].destination, expected[i].destination) << "piece " << i + 1;
            }
        }
    }
}

TEST(SliceGeometry, ScaledConstantsAtOtherDpis) {
    SliceGeometry geometry;
    geometry.Update(1200, 300, ScaleForDpi(120, 120));  // 100 x 25 pixels
    EXPECT_EQ(geometry.MiddleWidth(), 1200 - 96);
    EXPECT_EQ(geometry.Pieces()[1].source.width, 768 - 96);
    geometry.Update(1000, 250, ScaleForDpi(144, 144));
    EXPECT_EQ(geometry.MiddleHeight(), 250 - 80);
    EXPECT_EQ(geometry.Pieces()[4].source.x, 600);
}

TEST(SliceGeometry, OverflowKeepsThePreviousValue) {
    SliceGeometry geometry;
    geometry.Update(1755, 420, Scale{});
    geometry.Update(40000, 375, Scale{});
    EXPECT_EQ(geometry.Width(), 1755);
    EXPECT_EQ(geometry.MiddleWidth(), 1635);
    EXPECT_EQ(geometry.Height(), 375);
    EXPECT_EQ(geometry.MiddleHeight(), 255);
}

TEST(SliceGeometry, CaptionTop) {
    EXPECT_DOUBLE_EQ(CaptionTop(375, 195), 80);
    EXPECT_DOUBLE_EQ(CaptionTop(315, 195), 50);
    EXPECT_DOUBLE_EQ(CaptionTop(420, 195), 102.5);
}

TEST(Gradient, ColoursAreReadRedFirst) {
    EXPECT_EQ(ReadGradientColour("&HC6C5D7"), (Rgb16{0xC600, 0xC500, 0xD700}));
    EXPECT_EQ(ReadGradientColour("&HFFFFFF"), (Rgb16{0xFF00, 0xFF00, 0xFF00}));
    // Leading zeros vanish in the round trip through a number, so the pairs shift.
    EXPECT_EQ(ReadGradientColour("&H00FF00"), (Rgb16{0xFF00, 0x0000, 0x0000}));
    EXPECT_EQ(ReadGradientColour("&H12345"), (Rgb16{0x1200, 0x3400, 0x0500}));
    EXPECT_EQ(ReadGradientColour("not a number"), (Rgb16{0, 0, 0}));
}

TEST(Gradient, DirectionFollowsHoverGradient) {
    const Rgb16 white{0xFF00, 0xFF00, 0xFF00};
    const Rgb16 lavender{0xC600, 0xC500, 0xD700};
    EXPECT_EQ(GradientFor(false).top, white);
    EXPECT_EQ(GradientFor(false).bottom, lavender);
    EXPECT_EQ(GradientFor(true).top, lavender);
    EXPECT_EQ(GradientFor(true).bottom, white);
}

}  // namespace
}  // namespace velmora::button_control
