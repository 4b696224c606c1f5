#pragma once
// The frame's points drawn as soft discs: smooth GL points, or textured squares beyond their sizes.

#include <map>

#include "renderer/core/desktop_layout.h"
#include "renderer/core/point_batch.h"
#include "renderer/gl/gl_api.h"

namespace velmora::renderer {

// The largest smooth point the current GL draws at its size (many drivers
// stop at 63 or 64 pixels); larger ones it would clamp.
float LargestSmoothPoint();

// Draws a batch's points into a view at their size times the view's point
// scale: as smooth points up to `largest_smooth_point`, beyond it as squares
// textured with a disc of the same size and rim, so no GL's limit decides
// how large a point looks. Needs the GL context current.
class SoftPoints {
  public:
    explicit SoftPoints(float largest_smooth_point = 0.0f)
        : largest_smooth_point_(largest_smooth_point) {}

    void Draw(const PointBatch& batch, const MonitorView& view);
    // Frees the disc textures.
    void Release();

  private:
    void DrawDiscs(const PointBatch& batch, int begin, int end, float size,
                   const MonitorView& view);
    // The disc of a size class, its texture bound (named 0 where none could
    // be made).
    struct DiscTexture {
        GLuint name = 0;
        int side = 0;  // texels
    };
    const DiscTexture& BindDisc(int size_class);

    float largest_smooth_point_;
    std::map<int, DiscTexture> disc_textures_;  // by size class, made when first needed
};

}  // namespace velmora::renderer
