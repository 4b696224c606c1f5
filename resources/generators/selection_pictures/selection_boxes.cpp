#include "resources/generators/selection_pictures/selection_boxes.h"

#include <algorithm>
#include <cmath>

namespace velmora::pictures {

namespace {

constexpr Rgb kOutline{37, 37, 37};
constexpr Rgb kBrightBlue{31, 153, 230};
constexpr Rgb kDarkBlue{6, 60, 96};
constexpr int kLastPixel = kSelectionBoxSize - 1;

Rgb Mix(Rgb from, Rgb to, double t) {
    const auto channel = [t](int a, int b) {
        return static_cast<uint8_t>(std::lround(a + (b - a) * t));
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

bool OnOutline(int x, int y) {
    return x == 0 || y == 0 || x == kLastPixel || y == kLastPixel;
}

// The sunken interior: (140, 140, 140) at its top-left pixel, white at its
// bottom-right one.
Rgb Interior(int x, int y) {
    const double t = (x - 1 + y - 1) / (2.0 * (kSelectionBoxSize - 3));
    return Mix(Rgb{140, 140, 140}, Rgb{255, 255, 255}, t);
}

Picture Box(Rgb (*inside)(int, int)) {
    Picture picture{kSelectionBoxSize, kSelectionBoxSize, {}};
    for (int y = 0; y < kSelectionBoxSize; ++y) {
        for (int x = 0; x < kSelectionBoxSize; ++x) {
            picture.pixels.push_back(OnOutline(x, y) ? kOutline : inside(x, y));
        }
    }
    return picture;
}

// Pixels 2..9 hold the blue square; its brightness falls from the middle to
// its edges.
Rgb BlueSquareOrRim(int x, int y) {
    if (x < 2 || y < 2 || x > kLastPixel - 2 || y > kLastPixel - 2) {
        return Mix(Interior(x, y), Rgb{255, 255, 255}, 0.6);  // the light rim
    }
    const double centre = kLastPixel / 2.0;
    const double distance = std::max(std::fabs(x - centre), std::fabs(y - centre));  // 0.5 .. 3.5
    return Mix(kBrightBlue, kDarkBlue, (distance - 0.5) / 3.0);
}

}  // namespace

Picture EmptySelectionBox() {
    return Box(Interior);
}

Picture FilledSelectionBox() {
    return Box(BlueSquareOrRim);
}

}  // namespace velmora::pictures
