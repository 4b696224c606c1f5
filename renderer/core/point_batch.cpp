#include "renderer/core/point_batch.h"

#include <algorithm>
#include <cmath>

namespace velmora::renderer {
namespace {

// The sizes run from about 30 to 65 pixels; a sample warped far out of the
// box can be larger or smaller, up to this many steps.
constexpr int kMostSizeSteps = 1024;

int SizeStepOf(float size) {
    const long step = std::lround(size / kPointSizeStep);
    return static_cast<int>(std::clamp(step, 0L, static_cast<long>(kMostSizeSteps)));
}

}  // namespace

float PointSizeAt(float z, float point_gain) {
    float depth = z + 40.0f;
    if (depth < 0.01f) {
        depth = 0.01f;
    }
    return point_gain * depth;
}

void BatchPointsBySize(const std::vector<EffectInstance>& instances, float point_gain, float light,
                       PointBatch& batch) {
    // A counting sort: how many points fall on each size step, then where
    // each step's group starts, then every point into its place.
    std::vector<int>& counts = batch.step_counts;
    counts.assign(kMostSizeSteps + 2, 0);
    size_t total = 0;
    for (const EffectInstance& instance : instances) {
        for (const Sample& sample : instance.samples) {
            ++counts[static_cast<size_t>(SizeStepOf(PointSizeAt(sample.z, point_gain))) + 1];
            ++total;
        }
    }
    batch.groups.clear();
    for (int step = 0; step <= kMostSizeSteps; ++step) {
        const int in_step = counts[static_cast<size_t>(step) + 1];
        counts[static_cast<size_t>(step) + 1] += counts[static_cast<size_t>(step)];
        if (in_step > 0) {
            const float size = step == 0 ? kPointSizeStep / 2 : step * kPointSizeStep;
            batch.groups.push_back(PointBatch::Group{size, counts[static_cast<size_t>(step) + 1]});
        }
    }
    batch.points.resize(total);
    for (const EffectInstance& instance : instances) {
        for (const Sample& sample : instance.samples) {
            const size_t step = static_cast<size_t>(SizeStepOf(PointSizeAt(sample.z, point_gain)));
            Sample& placed = batch.points[static_cast<size_t>(counts[step]++)];
            placed = sample;
            if (light != 1.0f) {
                placed.r = std::min(sample.r * light, 1.0f);
                placed.g = std::min(sample.g * light, 1.0f);
                placed.b = std::min(sample.b * light, 1.0f);
            }
        }
    }
}

}  // namespace velmora::renderer
