#include "renderer/core/effect_parameters.h"

namespace velmora::renderer {

EffectParameters StandardEffectParameters() {
    EffectParameters parameters;
    const int32_t size_and_blur = 30;
    parameters.particle_size = size_and_blur;
    parameters.motion_blur = size_and_blur;
    parameters.effect_count = 3;
    parameters.particle_count = 600;
    parameters.sample_count = 400;
    parameters.draw_style = 1;
    parameters.warp_speed = 20;
    parameters.particle_speed = 15;
    parameters.warp_strength = 10;
    return parameters;
}

EffectGains DeriveEffectGains(const EffectParameters& parameters) {
    EffectGains gains;
    gains.z_step = static_cast<float>(parameters.particle_speed) * 0.01f;
    gains.warp_gain = static_cast<float>(parameters.warp_strength) * 0.01f;
    gains.point_gain = static_cast<float>(parameters.particle_size) * 0.04f;
    gains.darkening_per_step = 0.5f - static_cast<float>(parameters.motion_blur) * 0.0049f;
    return gains;
}

float ColourGain(const EffectParameters& parameters) {
    return 9.0f / static_cast<float>(parameters.warp_strength);
}

}  // namespace velmora::renderer
