#pragma once
// One cloud of the effect: its particles, warp phases and drawn samples, and one frame of its
// simulation.

#include <array>
#include <cstdint>
#include <vector>

#include "renderer/core/effect_parameters.h"
#include "renderer/core/random15.h"

namespace velmora::renderer {

// World frame: x to the right, y up, z toward the viewer.
struct Particle {
    float x, y, z;
};

// A drawn item: position followed directly by its colour (0..1), so both can
// be handed to the GL as three consecutive floats.
struct Sample {
    float x, y, z;
    float r, g, b;
};

constexpr int kWarpTerms = 9;

// One cloud of particles streaming toward the viewer and the ring of samples
// it is drawn from.
struct EffectInstance {
    std::vector<Particle> particles;
    std::vector<Sample> samples;
    int32_t write_pos = 0;
    std::array<float, kWarpTerms> coef{};
    std::array<float, kWarpTerms> phase{};
    std::array<float, kWarpTerms> rate{};
};

// Makes one instance, drawing from the generator in a fixed order: x, y, z of every
// particle, then phase and rate of each warp term. Throws std::bad_alloc when
// memory runs out.
EffectInstance CreateEffectInstance(const EffectParameters& parameters, Random15& random);

// One frame of simulation: turn the phases, move (and respawn) the particles
// into the sample ring, then warp and colour every sample. Phases and
// particles move on by `steps` sixtieths of a second.
void SimulateFrame(EffectInstance& instance, const EffectParameters& parameters,
                   const EffectGains& gains, Random15& random, float steps = 1.0f);

}  // namespace velmora::renderer
