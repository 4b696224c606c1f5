#include "saver/core/preview_geometry.h"

#include <cmath>
#include <limits>

namespace velmora::saver {

std::int16_t PixelsToTwips16(std::int32_t pixels, double twips_per_pixel) {
    const double twips = std::nearbyint(static_cast<double>(pixels) * twips_per_pixel);
    if (!(twips >= std::numeric_limits<std::int16_t>::min() &&
          twips <= std::numeric_limits<std::int16_t>::max())) {
        return 0;
    }
    return static_cast<std::int16_t>(twips);
}

PreviewGeometry PreviewGeometryFor(std::int32_t host_width, std::int32_t host_height,
                                   drawing::Scale scale) {
    PreviewGeometry geometry;
    geometry.width_twips = PixelsToTwips16(host_width, scale.x);
    geometry.height_twips = PixelsToTwips16(host_height, scale.y);
    geometry.width_pixels = drawing::TwipsToPixels(geometry.width_twips, scale.x);
    geometry.height_pixels = drawing::TwipsToPixels(geometry.height_twips, scale.y);
    return geometry;
}

}  // namespace velmora::saver
