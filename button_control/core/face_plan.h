#pragma once
// One repaint of the button's face, as the core decides it and the platform
// draws it.

#include <array>

#include "button_control/core/face_geometry.h"
#include "button_control/core/gradient.h"

namespace velmora::button_control {

// The six state pictures, 64 x 25 pixels each at 96 dpi.
enum class StatePicture { Normal, HighLight, HighLightSelect, Pressed, Disable, Selected };

// Clear the persistent face to the background colour, fill the vertical
// gradient from (0, 0) to `gradient_end` (exclusive, in pixels), copy the
// eight frame pieces of `picture` (from the set made for `picture_dpi`), then
// show the face.
struct FacePlan {
    StatePicture picture = StatePicture::Normal;
    int picture_dpi = 96;
    GradientColours gradient;
    int gradient_end_x = 0, gradient_end_y = 0;
    std::array<PieceCopy, 8> pieces{};
};

struct PixelSize {
    int width = 0, height = 0;
};

}  // namespace velmora::button_control
