#include "drawing/core/twips.h"

#include <cmath>

namespace velmora::drawing {

Scale ScaleForDpi(int dpi_x, int dpi_y) {
    return {dpi_x > 0 ? 1440.0 / dpi_x : 15.0, dpi_y > 0 ? 1440.0 / dpi_y : 15.0};
}

int DpiOf(Scale scale) {
    return static_cast<int>(std::lround(1440.0 / scale.y));
}

int TwipsToPixels(double twips, double twips_per_pixel) {
    return static_cast<int>(std::lround(twips / twips_per_pixel));
}

}  // namespace velmora::drawing
