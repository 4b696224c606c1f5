#pragma once
// The six pictures that the button control copies its frame from, 64 x 25
// pixels at 96 dpi: a 1-pixel ring, a rounded 1-pixel outline, a 2-pixel
// coloured rim inside it and an interior that the control never shows. Made
// for every DPI of kPictureDpis: the frame's lines grow by whole pixels, the
// rim takes the rest of the frame's width.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "button_control/core/face_geometry.h"
#include "drawing/core/picture_scale.h"

namespace velmora::resources {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};

// A picture drawn in the 64 x 25 pixels of its 96-dpi design and kept at
// the size of its DPI: each design pixel of the frame stands for a band of
// whole pixels, the design's middle is stretched over the picture's middle.
class Picture {
  public:
    static constexpr int kDesignWidth = 64;
    static constexpr int kDesignHeight = 25;

    explicit Picture(int dpi = 96);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A real pixel.
    Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    // Design pixels: fills columns x0..x1 of rows y0..y1 (inclusive).
    void Fill(int x0, int y0, int x1, int y1, Rgb colour);
    void Set(int x, int y, Rgb colour) { Fill(x, y, x, y, colour); }

  private:
    // The first real pixel of a design column or row.
    int RealX(int design_x) const;
    int RealY(int design_y) const;

    int width_, height_;
    std::array<int, 5> bands_;  // where the frame's design pixels 0..4 start
    std::vector<Rgb> pixels_;
};

enum class ButtonPicture { Normal, HighLight, HighLightSelect, Pressed, Disable, Selected };

inline constexpr std::array<ButtonPicture, 6> kButtonPictures = {
    ButtonPicture::Normal,  ButtonPicture::HighLight, ButtonPicture::HighLightSelect,
    ButtonPicture::Pressed, ButtonPicture::Disable,   ButtonPicture::Selected};

Picture MakeButtonPicture(ButtonPicture which, int dpi = 96);

// "button_normal.bmp", "button_highlight.bmp", ... at 96 dpi;
// "button_normal_192.bmp" and the like at the others.
std::string ButtonPictureFileName(ButtonPicture which, int dpi = 96);

// The picture as a 24-bit bottom-up BMP file.
std::vector<std::uint8_t> BmpFile(const Picture& picture);

}  // namespace velmora::resources
