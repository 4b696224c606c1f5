#include <gtest/gtest.h>

#include "resources/generators/effect_pictures/picture_files.h"

namespace velmora::pictures {
namespace {

uint32_t Read16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}
uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return Read16(b, at) | Read16(b, at + 2) << 16;
}

Picture Gradient(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.pixels.push_back(Rgb{static_cast<uint8_t>(x * 255 / (width - 1)),
                                         static_cast<uint8_t>(y * 255 / (height - 1)), 40});
        }
    }
    return picture;
}

TEST(BmpFile, HeadersAndBottomUpBgrRows) {
    Picture picture = Gradient(5, 3);  // 15 bytes a row, padded to 16
    const std::vector<uint8_t> bmp = BmpFile(picture);
    ASSERT_EQ(bmp.size(), 14u + 40u + 16u * 3u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Read32(bmp, 2), bmp.size());
    EXPECT_EQ(Read32(bmp, 10), 54u);
    EXPECT_EQ(Read32(bmp, 14), 40u);
    EXPECT_EQ(Read32(bmp, 18), 5u);
    EXPECT_EQ(Read32(bmp, 22), 3u);
    EXPECT_EQ(Read16(bmp, 28), 24u);
    EXPECT_EQ(Read32(bmp, 30), 0u);
    // The first stored row is the bottom one; pixels are blue, green, red.
    const Rgb bottom_right = picture.At(4, 2);
    EXPECT_EQ(bmp[54 + 12], bottom_right.b);
    EXPECT_EQ(bmp[54 + 13], bottom_right.g);
    EXPECT_EQ(bmp[54 + 14], bottom_right.r);
}

TEST(IcoFile, DirectoryAndImagesOfSixteenAndTwoHundredFiftySixColours) {
    const Picture picture = Gradient(32, 32);
    const std::vector<uint8_t> ico = IcoFile({IconImage{picture, 4}, IconImage{picture, 8}});
    EXPECT_EQ(Read16(ico, 0), 0u);
    EXPECT_EQ(Read16(ico, 2), 1u);
    ASSERT_EQ(Read16(ico, 4), 2u);

    const size_t sizes[] = {40 + 16 * 4 + 16 * 32 + 4 * 32, 40 + 256 * 4 + 32 * 32 + 4 * 32};
    const int bits[] = {4, 8};
    size_t expected_offset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const size_t entry = 6 + 16 * static_cast<size_t>(i);
        EXPECT_EQ(ico[entry], 32);
        EXPECT_EQ(ico[entry + 1], 32);
        EXPECT_EQ(ico[entry + 2], bits[i] == 4 ? 16 : 0);
        EXPECT_EQ(Read16(ico, entry + 4), 1u);
        EXPECT_EQ(Read16(ico, entry + 6), static_cast<uint32_t>(bits[i]));
        EXPECT_EQ(Read32(ico, entry + 8), sizes[i]);
        const uint32_t offset = Read32(ico, entry + 12);
        EXPECT_EQ(offset, expected_offset);
        EXPECT_EQ(Read32(ico, offset), 40u);
        EXPECT_EQ(Read32(ico, offset + 4), 32u);
        EXPECT_EQ(Read32(ico, offset + 8), 64u) << "colour image and mask";
        EXPECT_EQ(Read16(ico, offset + 14), static_cast<uint32_t>(bits[i]));
        expected_offset += sizes[i];
    }
    EXPECT_EQ(ico.size(), expected_offset);
}

TEST(Palette, MedianCutFindsTheDistinctColoursAndMapsToTheNearest) {
    Picture picture{4, 1, {Rgb{0, 0, 0}, Rgb{250, 10, 10}, Rgb{10, 240, 20}, Rgb{252, 10, 10}}};
    const std::vector<Rgb> palette = MedianCutPalette(picture.pixels, 3);
    ASSERT_EQ(palette.size(), 3u);
    const std::vector<uint8_t> indices = MapToPalette(picture, palette);
    EXPECT_EQ(indices[1], indices[3]);
    EXPECT_NE(indices[0], indices[1]);
    EXPECT_NE(indices[1], indices[2]);
    const Rgb red = palette[indices[1]];
    EXPECT_GT(red.r, 240);
    EXPECT_LT(red.g, 20);

    const std::vector<Rgb> many = MedianCutPalette(Gradient(32, 32).pixels, 16);
    EXPECT_EQ(many.size(), 16u);
}

TEST(Shrink, AveragesTheAreaEachPixelCovers) {
    Picture picture{2, 2, {Rgb{0, 0, 0}, Rgb{100, 0, 0}, Rgb{100, 0, 0}, Rgb{200, 0, 4}}};
    const Picture small = Shrink(picture, 1, 1);
    ASSERT_EQ(small.width, 1);
    EXPECT_EQ(small.pixels[0].r, 100);
    EXPECT_EQ(small.pixels[0].b, 1);
    // Three pixels into two: the middle one is shared half and half.
    const Picture row{3, 1, {Rgb{0, 0, 0}, Rgb{90, 0, 0}, Rgb{180, 0, 0}}};
    const Picture two = Shrink(row, 2, 1);
    EXPECT_EQ(two.pixels[0].r, 30);
    EXPECT_EQ(two.pixels[1].r, 150);
}

}  // namespace
}  // namespace velmora::pictures
