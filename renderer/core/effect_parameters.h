#pragma once
// The effect's nine constants and the gains derived from them.

#include <cstdint>

namespace velmora::renderer {

// The nine constants the effect is made of. Assigned once when the window is
// created and never changed: the renderer has no settings.
struct EffectParameters {
    int32_t particle_size = 0;
    int32_t motion_blur = 0;
    int32_t effect_count = 0;
    int32_t particle_count = 0;
    int32_t sample_count = 0;
    int32_t draw_style = 0;
    int32_t warp_speed = 0;
    int32_t particle_speed = 0;
    int32_t warp_strength = 0;
};

// Values derived from the parameters, in 32-bit floats.
struct EffectGains {
    float z_step = 0;      // forward motion per frame
    float warp_gain = 0;   // warp displacement factor
    float point_gain = 0;  // point size per unit of depth
    // Alpha of the darkening of the kept picture over one sixtieth of a
    // second (what a frame of one step darkens; FrameClock scales it to the
    // frame's time).
    float darkening_per_step = 0;
};

EffectParameters StandardEffectParameters();
EffectGains DeriveEffectGains(const EffectParameters& parameters);
float ColourGain(const EffectParameters& parameters);

}  // namespace velmora::renderer
