#include "renderer/core/view_geometry.h"

#include <algorithm>
#include <cmath>

namespace velmora::renderer {
namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kShortSideFieldOfView = 90.0;
constexpr float kFadeMargin = 1.1f;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 10000.0;
}  // namespace

ViewGeometry ViewGeometryFor(int width, int height) {
    ViewGeometry view;
    view.aspect = static_cast<double>(std::max(width, 1)) / std::max(height, 1);
    const double half_short = std::tan(kShortSideFieldOfView / 2 * kPi / 180.0);
    const double half_y = view.aspect >= 1.0 ? half_short : half_short / view.aspect;
    view.field_of_view_y = 2.0 * std::atan(half_y) * 180.0 / kPi;

    const double visible_half_height = kViewerDistance * half_y;
    const double visible_half_width = visible_half_height * view.aspect;
    view.fade_half_width =
        std::max(view.fade_half_width, static_cast<float>(visible_half_width) * kFadeMargin);
    view.fade_half_height =
        std::max(view.fade_half_height, static_cast<float>(visible_half_height) * kFadeMargin);
    return view;
}

Frustum FrustumFor(const ViewGeometry& view) {
    Frustum frustum;
    frustum.near_plane = kNearPlane;
    frustum.far_plane = kFarPlane;
    frustum.top = kNearPlane * std::tan(view.field_of_view_y / 2 * kPi / 180.0);
    frustum.bottom = -frustum.top;
    frustum.right = frustum.top * view.aspect;
    frustum.left = -frustum.right;
    return frustum;
}

ViewPixel ProjectIntoView(const Frustum& frustum, int width, int height, float x, float y,
                          float z) {
    // The modelview is the identity and the projection pulls the scene back
    // by the viewer's distance: a point's depth before the eye is that
    // distance less its z.
    ViewPixel pixel;
    const double depth = kViewerDistance - static_cast<double>(z);
    if (depth < frustum.near_plane || depth > frustum.far_plane) {
        return pixel;
    }
    const double across = frustum.near_plane * x / (frustum.right * depth);
    const double up = frustum.near_plane * y / (frustum.top * depth);
    if (std::abs(across) > 1.0 || std::abs(up) > 1.0) {
        return pixel;
    }
    pixel.visible = true;
    pixel.x = static_cast<float>((across + 1.0) * width / 2.0);
    pixel.y = static_cast<float>((up + 1.0) * height / 2.0);
    return pixel;
}

}  // namespace velmora::renderer
