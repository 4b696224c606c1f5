#pragma once
// Twips and pixels: Velmora.scr lays its windows out in twips (1/1440 inch)
// and draws them in the pixels of the DPI it is shown at.

#include <cstdint>

namespace velmora::drawing {

// Twips per screen pixel, across and down.
struct Scale {
    double x = 15.0;
    double y = 15.0;
};

Scale ScaleForDpi(int dpi_x, int dpi_y);

// The vertical dots per inch of a scale, which choose the pictures.
int DpiOf(Scale scale);

int TwipsToPixels(double twips, double twips_per_pixel);

struct TwipsRect {
    std::int32_t x, y, width, height;
};

struct PixelRect {
    int x, y, width, height;
    bool operator==(const PixelRect& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    // Whether the pixel at (px, py) lies inside: the left and top edges are in,
    // the right and bottom ones out.
    bool Contains(int px, int py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

}  // namespace velmora::drawing
