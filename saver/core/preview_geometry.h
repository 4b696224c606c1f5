#pragma once
// The preview window's size: the host window's size, carried through twips as
// 16-bit values the way the window toolkit holds window sizes.

#include <cstdint>

#include "drawing/core/twips.h"

namespace velmora::saver {

// The preview still carried by the program.
inline constexpr int kPreviewStillWidth = 152;
inline constexpr int kPreviewStillHeight = 112;

struct PreviewGeometry {
    std::int16_t width_twips = 0;  // window's outer size
    std::int16_t height_twips = 0;
    std::int32_t width_pixels = 0;  // window and its image, in pixels
    std::int32_t height_pixels = 0;
};

// A pixel length in twips, rounded; 0 when it does not fit a signed 16-bit value.
std::int16_t PixelsToTwips16(std::int32_t pixels, double twips_per_pixel);

// Sizes of the window and its image for a host of the given outer size in
// pixels, at the host's scale.
PreviewGeometry PreviewGeometryFor(std::int32_t host_width, std::int32_t host_height,
                                   drawing::Scale scale);

}  // namespace velmora::saver
