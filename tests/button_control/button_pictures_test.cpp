// The generated button state pictures follow the colour table, and the
// committed resources are exactly what the generator writes.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/generators/button_pictures/state_pictures.h"

namespace velmora::resources {

void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "RGB(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

namespace {

constexpr Rgb kOutline{0, 60, 116};
constexpr Rgb kBeige{236, 233, 216};

TEST(ButtonPictures, RingOutsideTheOutline) {
    for (ButtonPicture which :
         {ButtonPicture::Normal, ButtonPicture::HighLight, ButtonPicture::Selected}) {
        const Picture p = MakeButtonPicture(which);
        EXPECT_EQ(p.At(30, 0), (Rgb{220, 214, 194}));
        EXPECT_EQ(p.At(0, 12), (Rgb{226, 222, 203}));
        EXPECT_EQ(p.At(30, 24), (Rgb{250, 250, 246}));
        EXPECT_EQ(p.At(63, 12), (Rgb{240, 238, 224}));
    }
    const Picture pressed = MakeButtonPicture(ButtonPicture::Pressed);
    EXPECT_EQ(pressed.At(30, 0), kBeige);
    EXPECT_EQ(pressed.At(0, 12), kBeige);
    EXPECT_EQ(pressed.At(30, 1), (Rgb{220, 214, 194}));
    EXPECT_EQ(pressed.At(1, 12), (Rgb{226, 222, 203}));
    EXPECT_EQ(pressed.At(30, 23), (Rgb{250, 250, 246}));
    EXPECT_EQ(pressed.At(62, 12), (Rgb{240, 238, 224}));
    const Picture disable = MakeButtonPicture(ButtonPicture::Disable);
    EXPECT_EQ(disable.At(0, 0), kBeige);
    EXPECT_EQ(disable.At(63, 24), kBeige);
}

TEST(ButtonPictures, RoundedOutline) {
    for (ButtonPicture which :
         {ButtonPicture::Normal, ButtonPicture::HighLight, ButtonPicture::Selected}) {
        const Picture p = MakeButtonPicture(which);
        EXPECT_EQ(p.At(1, 12), kOutline);
        EXPECT_EQ(p.At(62, 12), kOutline);
        EXPECT_EQ(p.At(30, 1), kOutline);
        EXPECT_EQ(p.At(30, 23), kOutline);
        for (auto [x, y, dx, dy] : {std::array{1, 1, 1, 1}, std::array{62, 1, -1, 1},
                                    std::array{1, 23, 1, -1}, std::array{62, 23, -1, -1}}) {
            EXPECT_EQ(p.At(x, y), (Rgb{122, 149, 168}));
            EXPECT_EQ(p.At(x + dx, y), (Rgb{37, 87, 131}));
            EXPECT_EQ(p.At(x, y + dy), (Rgb{37, 87, 131}));
        }
    }
    const Picture pressed = MakeButtonPicture(ButtonPicture::Pressed);
    EXPECT_EQ(pressed.At(2, 12), kOutline);
    EXPECT_EQ(pressed.At(61, 12), kOutline);
    EXPECT_EQ(pressed.At(30, 2), kOutline);
    EXPECT_EQ(pressed.At(30, 22), kOutline);
    EXPECT_EQ(pressed.At(2, 2), (Rgb{122, 149, 168}));
    const Picture disable = MakeButtonPicture(ButtonPicture::Disable);
    EXPECT_EQ(disable.At(1, 12), (Rgb{201, 199, 186}));
    EXPECT_EQ(disable.At(30, 23), (Rgb{201, 199, 186}));
}

TEST(ButtonPictures, RimsAndInteriors) {
    const Picture normal = MakeButtonPicture(ButtonPicture::Normal);
    EXPECT_EQ(normal.At(30, 2), (Rgb{243, 243, 238}));
    EXPECT_EQ(normal.At(30, 12), (Rgb{243, 243, 238}));
    EXPECT_EQ(normal.At(30, 21), (Rgb{226, 223, 214}));
    EXPECT_EQ(normal.At(30, 22), (Rgb{214, 208, 197}));
    EXPECT_EQ(normal.At(60, 12), (Rgb{238, 237, 231}));
    EXPECT_EQ(normal.At(61, 12), (Rgb{232, 229, 223}));
    EXPECT_EQ(normal.At(2, 12), (Rgb{243, 243, 238}));

    const Picture high = MakeButtonPicture(ButtonPicture::HighLight);
    EXPECT_EQ(high.At(30, 2), (Rgb{255, 240, 207}));
    EXPECT_EQ(high.At(30, 3), (Rgb{253, 216, 137}));
    EXPECT_EQ(high.At(30, 21), (Rgb{248, 179, 48}));
    EXPECT_EQ(high.At(30, 22), (Rgb{229, 151, 0}));
    for (int x : {2, 3, 60, 61}) {
        EXPECT_EQ(high.At(x, 12), (Rgb{252, 202, 105}));
    }
    // The interior fades from near white at the top to a light grey at the bottom.
    EXPECT_GT(high.At(30, 4).g, high.At(30, 20).g);
    EXPECT_LE(high.At(30, 4).r, 252);
    EXPECT_GE(high.At(30, 20).r, 236);

    const Picture selected = MakeButtonPicture(ButtonPicture::Selected);
    EXPECT_EQ(selected.At(30, 2), (Rgb{206, 231, 255}));
    EXPECT_EQ(selected.At(30, 3), (Rgb{206, 231, 255}));
    EXPECT_EQ(selected.At(30, 21), (Rgb{105, 130, 238}));
    EXPECT_EQ(selected.At(30, 22), (Rgb{105, 130, 238}));
    EXPECT_EQ(selected.At(3, 12), (Rgb{169, 197, 239}));
    EXPECT_EQ(selected.At(30, 12), high.At(30, 12));

    const Picture pressed = MakeButtonPicture(ButtonPicture::Pressed);
    EXPECT_EQ(pressed.At(30, 3), (Rgb{209, 204, 193}));
    EXPECT_EQ(pressed.At(30, 4), (Rgb{220, 216, 207}));
    EXPECT_EQ(pressed.At(30, 12), (Rgb{226, 225, 217}));
    EXPECT_EQ(pressed.At(3, 20), (Rgb{226, 225, 217}));

    const Picture disable = MakeButtonPicture(ButtonPicture::Disable);
    EXPECT_EQ(disable.At(2, 12), (Rgb{245, 244, 234}));
    EXPECT_EQ(disable.At(30, 22), (Rgb{245, 244, 234}));
}

// At every DPI the frame's lines are whole pixels: at 192 dpi each design
// pixel of the frame is two, and the face's 60-twip corner is the frame.
TEST(ButtonPictures, SetsForOtherDpisKeepTheFrameInWholeLines) {
    const Picture at96 = MakeButtonPicture(ButtonPicture::Selected);
    const Picture at192 = MakeButtonPicture(ButtonPicture::Selected, 192);
    ASSERT_EQ(at192.Width(), 128);
    ASSERT_EQ(at192.Height(), 50);
    for (int x = 0; x < 128; ++x) {
        for (int y : {0, 1, 2, 3, 4, 5, 6, 7, 48, 49}) {
            EXPECT_EQ(at192.At(x, y), at96.At(x / 2, y < 8 ? y / 2 : 24 - (49 - y) / 2))
                << x << ", " << y;
        }
    }
    for (const int dpi : {120, 144}) {
        const Picture p = MakeButtonPicture(ButtonPicture::Normal, dpi);
        const int frame = dpi / 24;  // 5 and 6 pixels
        EXPECT_EQ(p.At(40, 0), (Rgb{220, 214, 194})) << dpi;
        EXPECT_EQ(p.At(40, 1), kOutline) << dpi;
        EXPECT_EQ(p.At(p.Width() - 2, 20), kOutline) << dpi;
        EXPECT_EQ(p.At(40, frame - 1), (Rgb{243, 243, 238})) << dpi;
        EXPECT_EQ(p.At(p.Width() - 1, 20), (Rgb{240, 238, 224})) << dpi;
        EXPECT_EQ(p.At(40, p.Height() - 2), kOutline) << dpi;
    }
}

TEST(ButtonPictures, CommittedFilesMatchTheGenerator) {
    for (const int dpi : drawing::kPictureDpis) {
        for (ButtonPicture which : kButtonPictures) {
            const std::string path =
                std::string(VELMORA_SOURCE_DIR) + "/resources/" + ButtonPictureFileName(which, dpi);
            std::ifstream in(path, std::ios::binary);
            ASSERT_TRUE(in) << path;
            const std::vector<std::uint8_t> committed((std::istreambuf_iterator<char>(in)),
                                                      std::istreambuf_iterator<char>());
            const Picture picture = MakeButtonPicture(which, dpi);
            EXPECT_EQ(committed, BmpFile(picture)) << path << ": run the button_pictures target";
            const std::size_t row_bytes = (std::size_t{3} * picture.Width() + 3) / 4 * 4;
            ASSERT_EQ(committed.size(), 54u + row_bytes * picture.Height());
            // Bottom-up rows, blue-green-red: the first stored pixel is the bottom-left one.
            const Rgb bottom_left = picture.At(0, picture.Height() - 1);
            EXPECT_EQ(committed[54], bottom_left.b);
            EXPECT_EQ(committed[56], bottom_left.r);
        }
    }
    EXPECT_EQ(ButtonPictureFileName(ButtonPicture::Pressed, 96), "button_pressed.bmp");
}

}  // namespace
}  // namespace velmora::resources
