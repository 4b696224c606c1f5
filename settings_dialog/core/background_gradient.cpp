#include "settings_dialog/core/background_gradient.h"

#include <cmath>

#include "settings_dialog/core/dialog_layout.h"

namespace velmora::settings_dialog {

namespace {

template <typename Colour>
std::vector<GradientRow> Rows(std::int32_t height, Colour colour) {
    std::vector<GradientRow> rows;
    const std::vector<int> brightness = GradientBrightness(height);
    rows.reserve(brightness.size());
    for (std::size_t y = 0; y < brightness.size(); ++y) {
        rows.push_back({static_cast<std::int32_t>(y), colour(brightness[y])});
    }
    return rows;
}

}  // namespace

std::vector<int> GradientBrightness(std::int32_t height) {
    std::vector<int> brightness;
    if (height <= 0) {
        return brightness;
    }
    // 3.142 rather than pi, so the last row comes out dark again.
    const double k = height / 3.142;
    brightness.reserve(static_cast<std::size_t>(height) + 1);
    for (std::int32_t y = 0; y <= height; ++y) {
        brightness.push_back(static_cast<int>(std::nearbyint(std::fabs(std::sin(y / k)) * 220)));
    }
    return brightness;
}

std::vector<GradientRow> FormGradient(std::int32_t height) {
    return Rows(height, [](int b) { return Rgb(b, b, b + 30); });
}

std::vector<GradientRow> GroupGradient(std::int32_t height) {
    return Rows(height, [](int b) { return Rgb(b + 30, b + 30, b + 30); });
}

}  // namespace velmora::settings_dialog
