#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "renderer/core/effect_instance.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/random15.h"

namespace velmora::renderer {
namespace {

// An independent model of the generator: the values a seed yields, in order.
std::vector<int> DrawsFrom(uint32_t seed, size_t count) {
    std::vector<int> values;
    for (size_t i = 0; i < count; ++i) {
        seed = seed * 214013u + 2531011u;
        values.push_back(static_cast<int>((seed >> 16) & 0x7FFF));
    }
    return values;
}

EffectParameters StandardParameters() {
    EffectParameters parameters;
    AssignEffectParameters(parameters);
    return parameters;
}

TEST(Random15, KnownValuesFromSmallStates) {
    Random15 from_zero(0);
    EXPECT_EQ(from_zero.Next(), 38);
    EXPECT_EQ(from_zero.State(), 2531011u);
    Random15 from_one(1);
    EXPECT_EQ(from_one.Next(), 41);
}

TEST(Random15, ARunThrowsAwayTheFirstFiveValues) {
    Random15 run = Random15::ForRun(1234u);
    EXPECT_EQ(run.Next(), DrawsFrom(1234u, 6)[5]);
}

// Every instance draws its 600 particles' x, y, z, then the nine phases and
// rates, in that order, each draw spread evenly over its range: the box of
// 60 by 60 by 30 units, a turn of the phase, a rate of 0.004 to 0.024.
TEST(EffectCreation, DrawsInFixedOrderAndStartsInTheBox) {
    const EffectParameters p = StandardParameters();
    const uint32_t seed = 1234567u;
    constexpr size_t kDrawsPerInstance = 600 * 3 + kWarpTerms * 2;
    constexpr double kTurn = 6.283185307179586;
    const std::vector<int> u = DrawsFrom(seed, 3 * kDrawsPerInstance);
    const auto spread = [](int draw, double low, double high) {
        return low + (high - low) * draw / 32767.0;
    };
    Random15 random(seed);
    for (size_t n = 0; n < 3; ++n) {
        const EffectInstance instance = CreateEffectInstance(p, random);
        const size_t base = n * kDrawsPerInstance;
        ASSERT_EQ(instance.particles.size(), 600u);
        for (size_t i = 0; i < instance.particles.size(); ++i) {
            const Particle& particle = instance.particles[i];
            EXPECT_NEAR(particle.x, spread(u[base + 3 * i], -30, 30), 1e-4);
            EXPECT_NEAR(particle.y, spread(u[base + 3 * i + 1], -30, 30), 1e-4);
            EXPECT_NEAR(particle.z, spread(u[base + 3 * i + 2], -15, 15), 1e-4);
        }
        for (int k = 0; k < kWarpTerms; ++k) {
            const size_t draw = base + 600 * 3 + 2 * k;
            EXPECT_NEAR(instance.phase[k], spread(u[draw], 0, kTurn), 1e-5);
            EXPECT_NEAR(instance.rate[k], spread(u[draw + 1], 0.004, 0.024), 1e-7);
        }
        ASSERT_EQ(instance.samples.size(), 400u);
        for (const Sample& sample : instance.samples) {
            EXPECT_EQ(sample.z, 100.0f);
            EXPECT_EQ(sample.r + sample.g + sample.b, 0.0f);
        }
        EXPECT_EQ(instance.write_pos, 0);
    }
    // Nothing else was drawn.
    EXPECT_EQ(random.Next(), DrawsFrom(seed, 3 * kDrawsPerInstance + 1).back());
}

class EffectFrame : public ::testing::Test {
  protected:
    void SetUp() override { instance = CreateEffectInstance(parameters, random); }

    // Phases that stand still, so every coefficient is cos(phase).
    void FreezePhases(float value) {
        instance.phase.fill(value);
        instance.rate.fill(0.0f);
    }

    EffectParameters parameters = StandardParameters();
    EffectGains gains = DeriveEffectGains(parameters);
    Random15 random{42};
    EffectInstance instance;
};

TEST_F(EffectFrame, RespawnsOnlyAboveTheNearEndAndAtExactlyTheFarEnd) {
    for (Particle& particle : instance.particles) {
        particle.z = 0.0f;
    }
    float at_edge = 15.0f - gains.z_step;
    ASSERT_EQ(at_edge + gains.z_step, 15.0f);
    instance.particles[7] = Particle{1.0f, 2.0f, at_edge};

    const uint32_t before = random.State();
    SimulateFrame(instance, parameters, gains, random);
    EXPECT_EQ(random.State(), before) << "z of exactly 15 must not respawn";
    EXPECT_EQ(instance.particles[7].z, 15.0f);
    EXPECT_EQ(instance.particles[7].x, 1.0f);

    const std::vector<int> u = DrawsFrom(before, 2);
    SimulateFrame(instance, parameters, gains, random);
    EXPECT_EQ(instance.particles[7].z, -15.0f);
    EXPECT_FLOAT_EQ(instance.particles[7].x, u[0] * 0.0018311106f - 30.0f);
    EXPECT_FLOAT_EQ(instance.particles[7].y, u[1] * 0.0018311106f - 30.0f);
    EXPECT_EQ(random.State(), before * 214013u * 214013u + 2531011u * 214013u + 2531011u);
}

TEST_F(EffectFrame, PhaseWrapsOnlyPastTwoPi) {
    const float two_pi = 6.2831855f;
    instance.rate.fill(0.5f);
    instance.phase.fill(two_pi - 0.5f);
    ASSERT_EQ(instance.phase[0] + 0.5f, two_pi);
    instance.phase[1] = two_pi - 0.25f;

    SimulateFrame(instance, parameters, gains, random);
    EXPECT_EQ(instance.phase[0], two_pi);
    EXPECT_FLOAT_EQ(instance.phase[1], 0.25f);
    EXPECT_FLOAT_EQ(instance.coef[1], std::cos(0.25f));
    EXPECT_FLOAT_EQ(instance.coef[0], std::cos(two_pi));
}

TEST_F(EffectFrame, WarpUsesTheUndisplacedPosition) {
    instance.rate.fill(0.0f);
    const float phases[kWarpTerms] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f};
    for (int k = 0; k < kWarpTerms; ++k) {
        instance.phase[k] = phases[k];
    }
    SimulateFrame(instance, parameters, gains, random);

    // Slot 250 was just written from particle 250.
    const Particle& p = instance.particles[250];
    const Sample& s = instance.samples[250];
    const float c[kWarpTerms] = {std::cos(0.1f), std::cos(0.2f), std::cos(0.3f),
                                 std::cos(0.4f), std::cos(0.5f), std::cos(0.6f),
                                 std::cos(0.7f), std::cos(0.8f), std::cos(0.9f)};
    EXPECT_FLOAT_EQ(s.x, p.x + 0.1f * (c[1] * p.z + c[0] * p.y));
    EXPECT_FLOAT_EQ(s.y, p.y + 0.1f * (c[2] * p.z + c[3] * p.x));
    EXPECT_FLOAT_EQ(s.z, p.z + 0.1f * (c[5] * p.y + c[4] * p.x));
    EXPECT_NEAR(s.r, std::min(std::fabs((s.x - p.x) * c[6] * 0.9f), 1.0f), 1e-5);
    EXPECT_NEAR(s.g, std::min(std::fabs((s.y - p.y) * c[7] * 0.9f), 1.0f), 1e-5);
    EXPECT_NEAR(s.b, std::min(std::fabs((s.z - p.z) * c[8] * 0.9f), 1.0f), 1e-5);
    EXPECT_FLOAT_EQ(instance.coef[6], c[6] * 0.9f);
}

TEST_F(EffectFrame, ColourIsClampedToOneAndNeverNegative) {
    FreezePhases(0.0f);  // every coefficient 1, colour factor 0.9
    for (Particle& particle : instance.particles) {
        particle.z = -10.0f;
    }
    instance.particles[300] = Particle{-500.0f, 300.0f, -10.0f};
    instance.particles[301] = Particle{-2.0f, -3.0f, -1.0f - gains.z_step};
    SimulateFrame(instance, parameters, gains, random);

    const Sample& far_out = instance.samples[300];
    EXPECT_EQ(far_out.r, 1.0f);
    EXPECT_EQ(far_out.g, 1.0f);
    EXPECT_EQ(far_out.b, 1.0f);
    const Sample& near_centre = instance.samples[301];
    EXPECT_NEAR(near_centre.r, 0.36f, 1e-5);  // |0.1 (z + y)| x 0.9
    EXPECT_NEAR(near_centre.g, 0.27f, 1e-5);  // |0.1 (z + x)| x 0.9
    EXPECT_NEAR(near_centre.b, 0.45f, 1e-5);  // |0.1 (y + x)| x 0.9
    for (const Sample& sample : instance.samples) {
        EXPECT_GE(sample.r, 0.0f);
        EXPECT_GE(sample.g, 0.0f);
        EXPECT_GE(sample.b, 0.0f);
        EXPECT_LE(sample.r, 1.0f);
        EXPECT_LE(sample.g, 1.0f);
        EXPECT_LE(sample.b, 1.0f);
    }
}

TEST_F(EffectFrame, RingMovesByTwoHundredAndHoldsTheLastFourHundredParticles) {
    EffectGains still = gains;
    still.warp_gain = 0.0f;
    for (int frame = 1; frame <= 4; ++frame) {
        SimulateFrame(instance, parameters, still, random);
        EXPECT_EQ(instance.write_pos, frame % 2 == 1 ? 200 : 0);
    }
    // After an even number of frames the ring is in index order again:
    // slot j holds particle j + 200.
    for (size_t j = 0; j < instance.samples.size(); ++j) {
        const Particle& particle = instance.particles[j + 200];
        EXPECT_EQ(instance.samples[j].x, particle.x);
        EXPECT_EQ(instance.samples[j].y, particle.y);
        EXPECT_EQ(instance.samples[j].z, particle.z);
    }
    SimulateFrame(instance, parameters, still, random);
    EXPECT_EQ(instance.samples[0].z, instance.particles[400].z);
    EXPECT_EQ(instance.samples[399].z, instance.particles[399].z);
}

TEST_F(EffectFrame, ParticlesCrossTheBoxInTwoHundredFrames) {
    instance.particles[0].z = -15.0f;
    for (int frame = 0; frame < 199; ++frame) {
        SimulateFrame(instance, parameters, gains, random);
    }
    EXPECT_NEAR(instance.particles[0].z, 14.85f, 1e-3);
    SimulateFrame(instance, parameters, gains, random);
    SimulateFrame(instance, parameters, gains, random);
    EXPECT_LT(instance.particles[0].z, -14.8f) << "respawned at the far end";
}

}  // namespace
}  // namespace velmora::renderer
