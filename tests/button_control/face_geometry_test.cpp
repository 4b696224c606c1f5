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

// The pixel rectangles of a W x H pixel button from a PW x PH picture with an
// F-pixel frame: corners copied 1:1, edges stretched along their length only,
// the centre never copied.
std::array<PieceCopy, 8> ExpectedPixels(int w, int h, int pw, int ph, int f) {
    return {{
        {{0, 0, f, f}, {0, 0, f, f}},
        {{f, 0, pw - 2 * f, f}, {f, 0, w - 2 * f, f}},
        {{pw - f, 0, f, f}, {w - f, 0, f, f}},
        {{pw - f, f, f, ph - 2 * f}, {w - f, f, f, h - 2 * f}},
        {{pw - f, ph - f, f, f}, {w - f, h - f, f, f}},
        {{f, ph - f, pw - 2 * f, f}, {f, h - f, w - 2 * f, f}},
        {{0, ph - f, f, f}, {0, h - f, f, f}},
        {{0, f, f, ph - 2 * f}, {0, f, f, h - 2 * f}},
    }};
}

// Each DPI takes its own picture set: the frame is 4, 5, 6 and 8 pixels, 60
// twips at each, and grows with the button.
TEST(SliceGeometry, PixelsTileTheFrameAtEveryDpi) {
    struct Set {
        int dpi, pw, ph, f;
    };
    for (const Set set : {Set{96, 64, 25, 4}, Set{120, 80, 31, 5}, Set{144, 96, 38, 6},
                          Set{192, 128, 50, 8}, Set{168, 96, 38, 6}}) {
        const Scale scale = drawing::ScaleForDpi(set.dpi, set.dpi);
        for (auto [w, h] : {std::pair{117, 28}, std::pair{73, 25}, std::pair{29, 21},
                            std::pair{125, 31}, std::pair{8, 8}}) {
            SCOPED_TRACE(::testing::Message() << set.dpi << " dpi, " << w << " x " << h);
            SliceGeometry geometry;
            geometry.Update(w * scale.x, h * scale.y, scale);
            EXPECT_EQ(geometry.PictureDpi(), set.dpi == 168 ? 144 : set.dpi);
            const auto pixels = PiecesInPixels(geometry.Pieces(), scale);
            const auto expected = ExpectedPixels(w, h, set.pw, set.ph, set.f);
            for (std::size_t i = 0; i < 8; ++i) {
                EXPECT_EQ(pixels[i].source, expected[i].source) << "piece " << i + 1;
                EXPECT_EQ(pixels[i].destination, expected[i].destination) << "piece " << i + 1;
            }
        }
    }
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
