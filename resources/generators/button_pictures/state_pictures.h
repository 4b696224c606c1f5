#pragma once
// The six 64 x 25-pixel pictures that the button control copies its frame
// from: a 1-pixel ring, a rounded 1-pixel outline, a 2-pixel coloured rim
// inside it and an interior that the control never shows.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::resources {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};

class Picture {
  public:
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 25;

    Rgb At(int x, int y) const { return pixels_[y * kWidth + x]; }
    void Set(int x, int y, Rgb colour) { pixels_[y * kWidth + x] = colour; }
    // Fills columns x0..x1 of rows y0..y1 (inclusive).
    void Fill(int x0, int y0, int x1, int y1, Rgb colour);

  private:
    std::array<Rgb, kWidth * kHeight> pixels_{};
};

enum class ButtonPicture { Normal, HighLight, HighLightSelect, Pressed, Disable, Selected };

inline constexpr std::array<ButtonPicture, 6> kButtonPictures = {
    ButtonPicture::Normal,  ButtonPicture::HighLight, ButtonPicture::HighLightSelect,
    ButtonPicture::Pressed, ButtonPicture::Disable,   ButtonPicture::Selected};

Picture MakeButtonPicture(ButtonPicture which);

// "button_normal.bmp", "button_highlight.bmp", ...
std::string ButtonPictureFileName(ButtonPicture which);

// The picture as a 24-bit bottom-up BMP file.
std::vector<std::uint8_t> BmpFile(const Picture& picture);

}  // namespace velmora::resources
