#include "button_control/core/face_geometry.h"

#include <cmath>
#include <limits>

#include "drawing/core/picture_scale.h"

namespace velmora::button_control {

namespace {

// Rounds to whole twips; a value outside 16 bits leaves the field unchanged.
void Store16(std::int16_t& field, double value) {
    const double rounded = std::nearbyint(value);
    if (rounded >= std::numeric_limits<std::int16_t>::min() &&
        rounded <= std::numeric_limits<std::int16_t>::max()) {
        field = static_cast<std::int16_t>(rounded);
    }
}

PixelRect ToPixels(const TwipsRect& rect, Scale scale) {
    const int left = TwipsToPixels(rect.x, scale.x);
    const int top = TwipsToPixels(rect.y, scale.y);
    return {left, top, TwipsToPixels(rect.x + rect.width, scale.x) - left,
            TwipsToPixels(rect.y + rect.height, scale.y) - top};
}

}  // namespace

ButtonPictureSize ButtonPictureSizeAt(int picture_dpi) {
    return {drawing::ScaledPixels(64, picture_dpi), drawing::ScaledPixels(25, picture_dpi),
            drawing::ScaledPixels(4, picture_dpi)};
}

void SliceGeometry::Update(double width, double height, Scale scale) {
    picture_dpi_ = drawing::PictureDpiFor(DpiOf(scale));
    const ButtonPictureSize picture = ButtonPictureSizeAt(picture_dpi_);
    Store16(corner_x_, picture.frame * scale.x);
    Store16(corner_y_, picture.frame * scale.y);
    Store16(picture_width_, picture.width * scale.x);
    Store16(picture_height_, picture.height * scale.y);
    Store16(width_, width);
    Store16(height_, height);
    Store16(middle_width_, static_cast<double>(width_) - 2.0 * corner_x_);
    Store16(middle_height_, static_cast<double>(height_) - 2.0 * corner_y_);
}

std::array<FramePiece, 8> SliceGeometry::Pieces() const {
    const std::int32_t c_x = corner_x_, c_y = corner_y_;
    const std::int32_t right = picture_width_ - c_x;                      // 900
    const std::int32_t bottom = picture_height_ - c_y;                    // 315
    const std::int32_t source_middle_width = picture_width_ - 2 * c_x;    // 840
    const std::int32_t source_middle_height = picture_height_ - 2 * c_y;  // 255
    const std::int32_t w = width_, h = height_;
    return {{
        {{0, 0, c_x, c_y}, {1, 1, c_x, c_y}},
        {{c_x, 1, source_middle_width, c_y}, {c_x, 1, middle_width_, c_y}},
        {{right, 1, c_x, c_y}, {w - c_x, 1, c_x, c_y}},
        {{right, c_y, c_x, source_middle_height}, {w - c_x, c_y, c_x, middle_height_}},
        {{right, bottom, c_x, c_y}, {w - c_x, h - c_y, c_x, c_y}},
        {{c_x, bottom, source_middle_width, c_y}, {c_x, h - c_y, middle_width_, c_y}},
        {{0, bottom, c_x, c_y}, {1, h - c_y, c_x, c_y}},
        {{1, c_y, c_x, source_middle_height}, {1, c_y, c_x, middle_height_}},
    }};
}

std::array<PieceCopy, 8> PiecesInPixels(const std::array<FramePiece, 8>& pieces, Scale scale) {
    std::array<PieceCopy, 8> copies{};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        copies[i] = {ToPixels(pieces[i].source, scale), ToPixels(pieces[i].destination, scale)};
    }
    return copies;
}

double CaptionTop(double height, double label_height) {
    return (height - label_height - 20) / 2;
}

}  // namespace velmora::button_control
