#include "resources/generators/selection_pictures/selection_boxes.h"

#include <algorithm>
#include <cmath>

namespace velmora::pictures {

namespace {

constexpr Rgb kOutline{37, 37, 37};
constexpr Rgb kBrightBlue{31, 153, 230};
constexpr Rgb kDarkBlue{6, 60, 96};
constexpr int kDesignSize = 12;

Rgb Mix(Rgb from, Rgb to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto channel = [t](int a, int b) {
        return static_cast<uint8_t>(std::lround(a + (b - a) * t));
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

// One box at one DPI: its pixels are looked at through the 12 x 12 design.
struct Box {
    int size;     // pixels
    double zoom;  // pixels per design pixel
    int line;     // the outline's width
    int square;   // where the blue square starts, from each edge

    explicit Box(int dpi)
        : size(SelectionBoxSize(dpi)),
          zoom(size / static_cast<double>(kDesignSize)),
          line(drawing::LineWidthAt(dpi)),
          square(static_cast<int>(std::lround(2 * zoom))) {}

    // The design position of a pixel's centre.
    double Design(int pixel) const { return (pixel + 0.5) / zoom - 0.5; }
    bool OnOutline(int x, int y) const {
        return std::min({x, y, size - 1 - x, size - 1 - y}) < line;
    }
    bool InSquare(int x, int y) const {
        return std::min({x, y, size - 1 - x, size - 1 - y}) >= square;
    }
};

// The sunken interior: (140, 140, 140) at its top-left pixel, white at its
// bottom-right one.
Rgb Interior(const Box& box, int x, int y) {
    const double t = (box.Design(x) - 1 + box.Design(y) - 1) / (2.0 * (kDesignSize - 3));
    return Mix(Rgb{140, 140, 140}, Rgb{255, 255, 255}, t);
}

// The blue square's brightness falls from its middle to its edges.
Rgb BlueSquareOrRim(const Box& box, int x, int y) {
    if (!box.InSquare(x, y)) {
        return Mix(Interior(box, x, y), Rgb{255, 255, 255}, 0.6);  // the light rim
    }
    const double centre = (box.size - 1) / 2.0;
    const double distance =  // 0.5 .. 3.5 design pixels
        std::max(std::fabs(x - centre), std::fabs(y - centre)) / box.zoom;
    return Mix(kBrightBlue, kDarkBlue, (distance - 0.5) / 3.0);
}

Picture Draw(int dpi, Rgb (*inside)(const Box&, int, int)) {
    const Box box(dpi);
    Picture picture{box.size, box.size, {}};
    for (int y = 0; y < box.size; ++y) {
        for (int x = 0; x < box.size; ++x) {
            picture.pixels.push_back(box.OnOutline(x, y) ? kOutline : inside(box, x, y));
        }
    }
    return picture;
}

}  // namespace

int SelectionBoxSize(int dpi) {
    return drawing::ScaledPixels(kDesignSize, dpi);
}

Picture EmptySelectionBox(int dpi) {
    return Draw(dpi, Interior);
}

Picture FilledSelectionBox(int dpi) {
    return Draw(dpi, BlueSquareOrRim);
}

std::string SelectionBoxFileName(bool filled, int dpi) {
    return std::string(filled ? "selection_filled" : "selection_empty") +
           (dpi == 96 ? "" : "_" + std::to_string(dpi)) + ".bmp";
}

}  // namespace velmora::pictures
