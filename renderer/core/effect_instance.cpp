#include "renderer/core/effect_instance.h"

#include <algorithm>
#include <cmath>

namespace velmora::renderer {
namespace {

constexpr float kSpan60 = 0.0018311106f;      // 60 / 32767
constexpr float kSpan30 = 0.0009155553f;      // 30 / 32767
constexpr float kPhaseStep = 0.00019175345f;  // 2 pi / 32767
constexpr float kRateSpan = 1.5259254e-9f;    // 0.00005 / 32767
constexpr float kTwoPi = 6.2831855f;
constexpr float kFarEnd = -15.0f;
constexpr float kNearEnd = 15.0f;
constexpr float kUnwrittenDepth = 100.0f;  // behind the viewer: never visible

float RandomAcross(Random15& random, float span, float offset) {
    return static_cast<float>(random.Next()) * span - offset;
}

float WarpColour(float moved, float coefficient) {
    return std::min(std::fabs(moved * coefficient), 1.0f);
}

}  // namespace

EffectInstance CreateEffectInstance(const EffectParameters& parameters, Random15& random) {
    EffectInstance instance;
    instance.particles.resize(static_cast<size_t>(parameters.particle_count));
    for (Particle& particle : instance.particles) {
        particle.x = RandomAcross(random, kSpan60, 30.0f);
        particle.y = RandomAcross(random, kSpan60, 30.0f);
        particle.z = RandomAcross(random, kSpan30, 15.0f);
    }
    instance.samples.assign(static_cast<size_t>(parameters.sample_count),
                            Sample{0.0f, 0.0f, kUnwrittenDepth, 0.0f, 0.0f, 0.0f});
    instance.write_pos = 0;
    const float w = static_cast<float>(parameters.warp_speed * parameters.warp_speed);
    for (int k = 0; k < kWarpTerms; ++k) {
        instance.phase[k] = static_cast<float>(random.Next()) * kPhaseStep;
        instance.rate[k] = static_cast<float>(random.Next()) * (w * kRateSpan) + w * 0.00001f;
    }
    return instance;
}

void SimulateFrame(EffectInstance& instance, const EffectParameters& parameters,
                   const EffectGains& gains, Random15& random, float steps) {
    for (int k = 0; k < kWarpTerms; ++k) {
        instance.phase[k] += instance.rate[k] * steps;
        if (instance.phase[k] > kTwoPi) {
            instance.phase[k] -= kTwoPi;
        }
        instance.coef[k] = std::cos(instance.phase[k]);
    }

    const int32_t slots = static_cast<int32_t>(instance.samples.size());
    for (Particle& particle : instance.particles) {
        particle.z += gains.z_step * steps;
        if (particle.z > kNearEnd) {
            particle.x = RandomAcross(random, kSpan60, 30.0f);
            particle.y = RandomAcross(random, kSpan60, 30.0f);
            particle.z = kFarEnd;
        }
        if (slots == 0) {
            continue;
        }
        Sample& sample = instance.samples[static_cast<size_t>(instance.write_pos)];
        sample.x = particle.x;
        sample.y = particle.y;
        sample.z = particle.z;
        instance.write_pos += 1;
        if (instance.write_pos >= slots) {
            instance.write_pos = 0;
        }
    }

    const float colour = ColourGain(parameters);
    instance.coef[6] *= colour;
    instance.coef[7] *= colour;
    instance.coef[8] *= colour;

    const auto& c = instance.coef;
    const float gain = gains.warp_gain;
    for (Sample& sample : instance.samples) {
        const float x = sample.x;
        const float y = sample.y;
        const float z = sample.z;
        const float warped_x = x + gain * (c[1] * z + c[0] * y);
        const float warped_y = y + gain * (c[2] * z + c[3] * x);
        const float warped_z = z + gain * (c[5] * y + c[4] * x);
        sample.x = warped_x;
        sample.y = warped_y;
        sample.z = warped_z;
        sample.r = WarpColour(warped_x - x, c[6]);
        sample.g = WarpColour(warped_y - y, c[7]);
        sample.b = WarpColour(warped_z - z, c[8]);
    }
}

}  // namespace velmora::renderer
