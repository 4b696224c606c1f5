// The selection-box pictures and the committed files made from them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "resources/generators/selection_pictures/selection_boxes.h"

namespace velmora::pictures {
namespace {

bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

TEST(SelectionBoxes, EmptyBoxIsSunkenGreyToWhite) {
    const Picture box = EmptySelectionBox();
    ASSERT_EQ(box.width, 12);
    ASSERT_EQ(box.height, 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(Near(box.At(i, 0), Rgb{37, 37, 37}, 0));
        EXPECT_TRUE(Near(box.At(11, i), Rgb{37, 37, 37}, 0));
    }
    EXPECT_TRUE(Near(box.At(1, 1), Rgb{140, 140, 140}, 0));
    EXPECT_TRUE(Near(box.At(10, 10), Rgb{255, 255, 255}, 0));
    EXPECT_GT(box.At(6, 6).r, box.At(3, 3).r);
}

TEST(SelectionBoxes, FilledBoxHoldsABlueSquareBrightInItsMiddle) {
    const Picture box = FilledSelectionBox();
    EXPECT_TRUE(Near(box.At(0, 5), Rgb{37, 37, 37}, 0));
    EXPECT_TRUE(Near(box.At(5, 5), Rgb{31, 153, 230}, 0));
    EXPECT_TRUE(Near(box.At(2, 2), Rgb{6, 60, 96}, 0));
    EXPECT_TRUE(Near(box.At(9, 6), Rgb{6, 60, 96}, 0));
    const Rgb rim = box.At(1, 6);
    EXPECT_GT(rim.r, 180);  // light, not blue
    EXPECT_EQ(rim.r, rim.b);
}

// At 192 dpi the box is twice as large, its outline two pixels and its blue
// square twice as wide, bright in the middle and dark at its edges.
TEST(SelectionBoxes, BoxAndMarkGrowWithTheDpi) {
    for (const int dpi : {120, 144, 192}) {
        EXPECT_EQ(EmptySelectionBox(dpi).width, dpi / 8) << dpi;
    }
    const Picture box = FilledSelectionBox(192);
    ASSERT_EQ(box.width, 24);
    EXPECT_TRUE(Near(box.At(1, 10), Rgb{37, 37, 37}, 0));
    EXPECT_GT(box.At(2, 10).r, 180);  // the rim
    int blue_columns = 0;
    for (int x = 0; x < 24; ++x) {
        blue_columns += box.At(x, 12).b > box.At(x, 12).r + 60 ? 1 : 0;
    }
    EXPECT_EQ(blue_columns, 16);
    EXPECT_TRUE(Near(box.At(12, 12), Rgb{31, 153, 230}, 0));
    EXPECT_TRUE(Near(box.At(4, 4), Rgb{6, 60, 96}, 0));
}

TEST(SelectionBoxes, CommittedFilesAreTheGeneratedPictures) {
    const auto read = [](const std::string& name) {
        std::ifstream in(std::string(VELMORA_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    };
    for (const int dpi : drawing::kPictureDpis) {
        EXPECT_EQ(read(SelectionBoxFileName(false, dpi)), BmpFile(EmptySelectionBox(dpi))) << dpi;
        EXPECT_EQ(read(SelectionBoxFileName(true, dpi)), BmpFile(FilledSelectionBox(dpi))) << dpi;
    }
    EXPECT_EQ(SelectionBoxFileName(true, 96), "selection_filled.bmp");
}

}  // namespace
}  // namespace velmora::pictures
