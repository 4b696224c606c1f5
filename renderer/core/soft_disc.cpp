#include "renderer/core/soft_disc.h"

#include <algorithm>
#include <cmath>

namespace velmora::renderer {
namespace {
constexpr float kClassesPerDoubling = 8.0f;
}  // namespace

float DiscCover(float distance, float size) {
    return std::clamp(size / 2.0f + 0.5f - distance, 0.0f, 1.0f);
}

int DiscSizeClassOf(float size) {
    return static_cast<int>(std::floor(std::log2(std::max(size, 1.0f)) * kClassesPerDoubling));
}

float DiscSizeOfClass(int size_class) {
    return std::exp2(static_cast<float>(size_class) / kClassesPerDoubling);
}

}  // namespace velmora::renderer
