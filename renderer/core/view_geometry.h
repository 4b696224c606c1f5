#pragma once
// How the effect is framed on one monitor: the camera, the projection and the darkening quad.

namespace velmora::renderer {

// The camera sits this far in front of the origin, looking along -z.
constexpr float kViewerDistance = 15.0f;

// How the effect is framed on a screen of a given shape.
struct ViewGeometry {
    double field_of_view_y = 90.0;  // degrees
    double aspect = 1.0;            // width / height
    // Half the size of the darkening quad laid in the plane z = 0; it covers
    // the whole view with a margin.
    float fade_half_width = 40.0f;
    float fade_half_height = 17.0f;
};

// The field of view is 90 degrees across the shorter side of the screen, so
// the far end of the particle box fills the screen's height on landscape
// screens and its width on portrait ones.
ViewGeometry ViewGeometryFor(int width, int height);

// The perspective of a view as the frustum the projection is made from: its
// field of view and aspect, from the near plane at 1 to the far plane at 10000.
struct Frustum {
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double top = 0.0;
    double near_plane = 0.0;
    double far_plane = 0.0;
};

Frustum FrustumFor(const ViewGeometry& view);

// Where a point of the effect lands in a view of `width` by `height` pixels
// with this frustum, in pixels from the view's bottom-left corner; not
// `visible` where the GL would not draw a point (its centre outside the
// view's volume).
struct ViewPixel {
    bool visible = false;
    float x = 0.0f;
    float y = 0.0f;
};

ViewPixel ProjectIntoView(const Frustum& frustum, int width, int height, float x, float y, float z);

}  // namespace velmora::renderer
