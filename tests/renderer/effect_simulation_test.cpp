#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "renderer/core/effect_instance.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/random15.h"

namespace velmora::renderer {
namespace {

constexpr float kQuarterTurn = 1.5707964f;  // a phase whose cosine is 0 to float precision
constexpr int kDrawsPerInstance = 600 * 3 + kWarpTerms * 2;

Random15 AfterDraws(uint32_t seed, int draws) {
    Random15 random(seed);
    for (int i = 0; i < draws; ++i) {
        random.Next();
    }
    return random;
}

TEST(Random15, KnownValuesAndARunThrowsAwayTheFirstFive) {
    Random15 from_zero(0);
    EXPECT_EQ(from_zero.Next(), 38);
    EXPECT_EQ(from_zero.State(), 2531011u);
    EXPECT_EQ(Random15(1).Next(), 41);
    EXPECT_EQ(Random15::ForRun(1234u).State(), AfterDraws(1234u, 5).State());
}

// Every instance draws its 600 particles' x, y, z and the nine phases and
// rates and nothing more; every value lies in its range.
TEST(EffectCreation, DrawsAFixedCountAndStartsEverythingInItsRange) {
    const EffectParameters p = StandardEffectParameters();
    Random15 random(1234567u);
    for (int n = 1; n <= 3; ++n) {
        const EffectInstance instance = CreateEffectInstance(p, random);
        EXPECT_EQ(random.State(), AfterDraws(1234567u, n * kDrawsPerInstance).State());
        ASSERT_EQ(instance.particles.size(), 600u);
        double sum_x = 0.0;
        for (const Particle& particle : instance.particles) {
            EXPECT_LE(std::fabs(particle.x), 30.0f);
            EXPECT_LE(std::fabs(particle.y), 30.0f);
            EXPECT_LE(std::fabs(particle.z), 15.0f);
            sum_x += particle.x;
        }
        EXPECT_NEAR(sum_x / 600, 0.0, 3.0) << "spread evenly across the box";
        for (int k = 0; k < kWarpTerms; ++k) {
            EXPECT_GE(instance.phase[k], 0.0f);
            EXPECT_LE(instance.phase[k], 6.2831855f);
            EXPECT_GE(instance.rate[k], 0.004f);
            EXPECT_LE(instance.rate[k], 0.024f);
        }
        ASSERT_EQ(instance.samples.size(), 400u);
        for (const Sample& sample : instance.samples) {
            EXPECT_EQ(sample.z, 100.0f);
            EXPECT_EQ(sample.r + sample.g + sample.b, 0.0f);
        }
        EXPECT_EQ(instance.write_pos, 0);
    }
    // From state 0 the first draw is 38: the first particle's x.
    Random15 from_zero(0);
    EXPECT_NEAR(CreateEffectInstance(p, from_zero).particles[0].x, -29.93042f, 1e-4f);
}

class EffectFrame : public ::testing::Test {
  protected:
    void SetUp() override { instance = CreateEffectInstance(parameters, random); }

    // Phases that stand still; each coefficient is 1 where `on`, else 0.
    void FreezeCoefficients(const std::vector<int>& on) {
        instance.phase.fill(kQuarterTurn);
        instance.rate.fill(0.0f);
        for (int k : on) {
            instance.phase[k] = 0.0f;
        }
    }

    EffectParameters parameters = StandardEffectParameters();
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

    // A respawn draws x and y as a new particle's first two draws, and nothing more.
    Random15 same(before);
    const Particle fresh = CreateEffectInstance(parameters, same).particles[0];
    SimulateFrame(instance, parameters, gains, random);
    EXPECT_EQ(instance.particles[7].z, -15.0f);
    EXPECT_EQ(instance.particles[7].x, fresh.x);
    EXPECT_EQ(instance.particles[7].y, fresh.y);
    EXPECT_EQ(random.State(), AfterDraws(before, 2).State());
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

// Each of the first six coefficients pushes one axis by a tenth of one
// coordinate: x by y and z, y by z and x, z by x and y; all of them together
// push by the undisplaced coordinates. The last three colour the pushes
// along x, y and z, each by 0.9 of its own push.
TEST_F(EffectFrame, EachCoefficientCouplesOneAxisToOneCoordinate) {
    gains.z_step = 0.0f;
    instance.particles[250] = Particle{1.0f, 2.0f, 4.0f};  // slot 250 takes particle 250
    const float pushes[7][3] = {{0.2f, 0, 0}, {0.4f, 0, 0}, {0, 0.4f, 0},      {0, 0.1f, 0},
                                {0, 0, 0.1f}, {0, 0, 0.2f}, {0.6f, 0.5f, 0.3f}};
    for (int k = 0; k < 7; ++k) {
        FreezeCoefficients(k < 6 ? std::vector<int>{k, 6 + k / 2}
                                 : std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8});
        instance.write_pos = 0;
        SimulateFrame(instance, parameters, gains, random);
        const Sample& s = instance.samples[250];
        const float moved[3] = {s.x - 1.0f, s.y - 2.0f, s.z - 4.0f};
        const float colour[3] = {s.r, s.g, s.b};
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR(moved[axis], pushes[k][axis], 1e-6f) << k << " " << axis;
            EXPECT_NEAR(colour[axis], 0.9f * pushes[k][axis], 1e-6f) << k << " " << axis;
        }
    }
}

// The colour does not depend on the warp's strength: the displacement's gain
// and the colour's factor cancel.
TEST_F(EffectFrame, DoubleTheStrengthPushesTwiceAsFarInTheSameColour) {
    EffectInstance stronger = instance;
    Random15 same = random;
    EffectParameters strong = parameters;
    strong.warp_strength = 20;
    SimulateFrame(instance, parameters, gains, random);
    SimulateFrame(stronger, strong, DeriveEffectGains(strong), same);
    for (size_t j = 0; j < 400; ++j) {  // the ring holds the last 400 particles
        const Particle& p = instance.particles[j < 200 ? j + 400 : j];
        EXPECT_NEAR(stronger.samples[j].y - p.y, 2 * (instance.samples[j].y - p.y), 1e-4f);
        EXPECT_NEAR(stronger.samples[j].r, instance.samples[j].r, 1e-5f);
        EXPECT_NEAR(stronger.samples[j].b, instance.samples[j].b, 1e-5f);
    }
}

TEST_F(EffectFrame, ColourIsClampedToOneAndNeverNegative) {
    FreezeCoefficients({0, 1, 2, 3, 4, 5, 6, 7, 8});  // colour factor 0.9
    for (Particle& particle : instance.particles) {
        particle.z = -10.0f;
    }
    instance.particles[300] = Particle{-500.0f, 300.0f, -10.0f};
    SimulateFrame(instance, parameters, gains, random);

    const Sample& far_out = instance.samples[300];
    EXPECT_EQ(far_out.r, 1.0f);
    EXPECT_EQ(far_out.g, 1.0f);
    EXPECT_EQ(far_out.b, 1.0f);
    for (const Sample& sample : instance.samples) {
        for (float component : {sample.r, sample.g, sample.b}) {
            EXPECT_GE(component, 0.0f);
            EXPECT_LE(component, 1.0f);
        }
    }
}

// Every frame writes 600 particles into 400 slots, and each slot is warped
// once from a fresh position: the warp never accumulates.
TEST_F(EffectFrame, RingMovesByTwoHundredAndTheWarpNeverAccumulates) {
    gains.z_step = 0.0f;
    FreezeCoefficients({0, 1, 2, 3, 4, 5, 6, 7, 8});
    std::vector<Sample> first;
    for (int frame = 1; frame <= 3; ++frame) {
        SimulateFrame(instance, parameters, gains, random);
        EXPECT_EQ(instance.write_pos, frame % 2 == 1 ? 200 : 0);
        if (frame == 1) {
            first = instance.samples;
        }
    }
    EXPECT_EQ(std::memcmp(first.data(), instance.samples.data(), first.size() * sizeof(Sample)), 0);
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
