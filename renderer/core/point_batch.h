#pragma once
// A frame's points grouped by size for drawing.

#include <vector>

#include "renderer/core/effect_instance.h"

namespace velmora::renderer {

// The points of one frame gathered by size, so they can be drawn with one
// size change and one primitive per group instead of one per point.
struct PointBatch {
    struct Group {
        float size = 0.0f;  // point size in pixels
        int end = 0;        // one past the group's last point
    };
    std::vector<Sample> points;    // ordered by group, colours scaled by the light
    std::vector<Group> groups;     // smallest size first; no empty group
    std::vector<int> step_counts;  // scratch of the sort, kept to spare allocations
};

// Sizes are rounded to this step, a quarter pixel off at most.
constexpr float kPointSizeStep = 0.5f;

// The point size of a sample at depth z.
float PointSizeAt(float z, float point_gain);

// Gathers every sample of the instances into `batch` (reusing its memory),
// colours scaled by `light` and limited to 1.
void BatchPointsBySize(const std::vector<EffectInstance>& instances, float point_gain, float light,
                       PointBatch& batch);

}  // namespace velmora::renderer
