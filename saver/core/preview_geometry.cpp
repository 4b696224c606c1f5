#include "saver/core/preview_geometry.h"

#include <cmath>
#include <limits>

namespace velmora::saver {

double TwipsPerPixel(int dots_per_inch) {
    return dots_per_inch > 0 ? 1440.0 / dots_per_inch : 15.0;
}

std::int16_t PixelsToTwips16(std::int32_t pixels, double twips_per_pixel) {
    const double twips = std::nearbyint(static_cast<double>(pixels) * twips_per_pixel);
    if (!(twips >= std::numeric_limits<std::int16_t>::min() &&
          twips <= std::numeric_limits<std::int16_t>::max())) {
        return 0;
    }
    return static_cast<std::int16_t>(twips);
}

PreviewGeometry PreviewGeometryFor(std::int32_t host_width, std::int32_t host_height,
                                   double twips_per_pixel_x, double twips_per_pixel_y) {
    PreviewGeometry geometry;
    geometry.width_twips = PixelsToTwips16(host_width, twips_per_pixel_x);
    geometry.height_twips = PixelsToTwips16(host_height, twips_per_pixel_y);
    geometry.width_pixels =
        static_cast<std::int32_t>(std::lround(geometry.width_twips / twips_per_pixel_x));
    geometry.height_pixels =
        static_cast<std::int32_t>(std::lround(geometry.height_twips / twips_per_pixel_y));
    return geometry;
}

}  // namespace velmora::saver
