// The back image, the windowless controls and the pictures the program carries.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings_dialog/win32/back_image.h"
#include "settings_dialog/win32/dialog_resource_ids.h"
#include "settings_dialog/win32/windowless_controls.h"
#include "tests/support/win32_pixels.h"

namespace velmora::settings_dialog {
namespace {

constexpr Scale kAt96{15.0, 15.0};

// 12 x 12 at 96 dpi, larger with the screen: the set made for at most its DPI.
TEST(DialogDrawing, ProgramCarriesTheIconAndTheSelectionBoxesOfEveryDpi) {
    HINSTANCE program = GetModuleHandleA(nullptr);
    for (const auto [dpi, side] : {std::pair{96, 12}, std::pair{120, 15}, std::pair{144, 18},
                                   std::pair{168, 18}, std::pair{192, 24}, std::pair{72, 12}}) {
        for (const bool filled : {false, true}) {
            const SIZE size = testing::SizeOfLoadedPicture(
                LoadSelectionBox(program, filled, drawing::ScaleForDpi(dpi, dpi)));
            EXPECT_EQ(size.cx, side) << dpi;
            EXPECT_EQ(size.cy, side) << dpi;
        }
    }
    HICON icon = static_cast<HICON>(
        LoadImageA(program, MAKEINTRESOURCEA(IDI_SETTINGS_DIALOG), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
}

TEST(DialogDrawing, BackImageKeepsTheRowsOverTheBackColour) {
    BackImage back;
    back.Reset(40, 252, kFormBackColour);
    EXPECT_EQ(GetPixel(back.DeviceContext(), 39, 100), kFormBackColour);
    back.DrawRows(FormGradient(252));
    EXPECT_EQ(GetPixel(back.DeviceContext(), 0, 0), Rgb(0, 0, 30));
    EXPECT_EQ(GetPixel(back.DeviceContext(), 39, 126), Rgb(220, 220, 250));
    EXPECT_EQ(GetPixel(back.DeviceContext(), 20, 251), FormGradient(252)[251].colour);
    back.Reset(0, 10, kFormBackColour);  // nothing to keep
    EXPECT_EQ(back.DeviceContext(), nullptr);
}

class WindowlessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, 453, 169);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(dc, bitmap);
        RECT all{0, 0, 453, 169};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        look.scale = kAt96;
        look.label_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        look.empty_box =
            LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SELECTION_EMPTY));
        look.filled_box =
            LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SELECTION_FILLED));
    }
    void TearDown() override {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
        DeleteObject(look.empty_box);
        DeleteObject(look.filled_box);
    }
    // Dark pixels inside a control's place.
    int DarkPixels(ControlId id) {
        const RECT rect = PixelPlace(id, kAt96);
        int dark = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                dark += GetRValue(GetPixel(dc, x, y)) < 100 ? 1 : 0;
            }
        }
        return dark;
    }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    WindowlessLook look;
};

TEST_F(WindowlessTest, BoxesShowTheirPictureOnceGivenOne) {
    look.selected[ControlId::NoneBox] = false;
    look.selected[ControlId::CdBox] = true;
    DrawWindowless(dc, Container::Group, look);
    // Img_BGM(1) at (20, 56), Img_BGM(0) at (20, 76), Img_BGM(2) at (20, 96) without a picture.
    EXPECT_EQ(GetPixel(dc, 20, 56), Rgb(37, 37, 37));
    EXPECT_EQ(GetPixel(dc, 25, 61), Rgb(31, 153, 230));
    EXPECT_EQ(GetPixel(dc, 21, 77), Rgb(140, 140, 140));
    EXPECT_EQ(GetPixel(dc, 20, 96), Rgb(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 32, 68), Rgb(255, 255, 255));  // 12 pixels, not 13
}

TEST_F(WindowlessTest, LabelsShapeAndFileBoxAreDrawnInTheGroupOnly) {
    look.file_caption = text::Cp932View("C:\\Music\\theme.mp3");
    DrawWindowless(dc, Container::Group, look);
    EXPECT_GT(DarkPixels(ControlId::NoneLabel), 10);
    EXPECT_GT(DarkPixels(ControlId::RepeatTrackLabel), 10);
    const RECT shape = PixelPlace(ControlId::HeadingFrame, kAt96);
    EXPECT_EQ(GetPixel(dc, shape.left, shape.top + 5), Rgb(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, shape.right - 1, shape.top + 5), Rgb(0, 0, 0));
    const RECT file = PixelPlace(ControlId::FileNameLabel, kAt96);
    EXPECT_EQ(GetPixel(dc, file.left, file.top + 10), Rgb(0, 0, 0));
    EXPECT_GT(DarkPixels(ControlId::FileNameLabel), (file.right - file.left) * 2 + 2 * 27 + 20);
}

TEST_F(WindowlessTest, TheFileNameOfALongPathIsSeen) {
    const std::string folders =
        "C:\\Documents and Settings\\Someone\\My Documents\\My Music\\Artist With A Long "
        "Name\\Album With An Even Longer Name (Special Edition)\\Disc 2\\";
    const auto label = [&](const char* file_name) {
        look.file_caption = text::Cp932String(folders + file_name);
        RECT all{0, 0, 453, 169};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawWindowless(dc, Container::Group, look);
        const RECT rect = PixelPlace(ControlId::FileNameLabel, kAt96);
        std::vector<COLORREF> pixels;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                pixels.push_back(GetPixel(dc, x, y));
            }
        }
        return pixels;
    };
    EXPECT_NE(label("01 first song.wav"), label("02 other tune.wav"));
}

}  // namespace
}  // namespace velmora::settings_dialog
