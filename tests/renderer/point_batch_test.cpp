#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "renderer/core/point_batch.h"

namespace velmora::renderer {
namespace {

TEST(PointBatch, EveryPointOnceInGroupsOfGrowingSizeCloseToItsOwn) {
    EffectParameters parameters;
    AssignEffectParameters(parameters);
    const EffectGains gains = DeriveEffectGains(parameters);
    Random15 random(9);
    std::vector<EffectInstance> instances;
    for (int i = 0; i < 3; ++i) {
        instances.push_back(CreateEffectInstance(parameters, random));
        SimulateFrame(instances.back(), parameters, gains, random);
    }
    instances[1].samples[5].z = -80.0f;  // warped far behind the box: a tiny point

    PointBatch batch;
    for (int pass = 0; pass < 2; ++pass) {  // a second frame reuses the memory
        BatchPointsBySize(instances, gains.point_gain, 1.0f, batch);
        ASSERT_EQ(batch.points.size(), 1200u);
        ASSERT_FALSE(batch.groups.empty());
        EXPECT_EQ(batch.groups.back().end, 1200);
        int begin = 0;
        float previous_size = 0.0f;
        for (const PointBatch::Group& group : batch.groups) {
            EXPECT_GT(group.end, begin);
            EXPECT_GT(group.size, previous_size);
            for (int i = begin; i < group.end; ++i) {
                const float own = PointSizeAt(batch.points[static_cast<size_t>(i)].z, 1.2f);
                EXPECT_NEAR(group.size, own, kPointSizeStep / 2 + 1e-4f);
            }
            previous_size = group.size;
            begin = group.end;
        }
    }
    // Every sample is there, with its colour.
    double sum_batch = 0.0;
    double sum_samples = 0.0;
    for (const Sample& point : batch.points) {
        sum_batch += point.x + 3.0 * point.r;
    }
    for (const EffectInstance& instance : instances) {
        for (const Sample& sample : instance.samples) {
            sum_samples += sample.x + 3.0 * sample.r;
        }
    }
    EXPECT_NEAR(sum_batch, sum_samples, 1e-2);
}

TEST(PointBatch, LightScalesTheColourUpToOne) {
    EffectInstance instance;
    instance.samples = {Sample{0, 0, 0, 0.2f, 0.6f, 1.0f}};
    PointBatch batch;
    BatchPointsBySize({instance}, 1.2f, 0.5f, batch);
    EXPECT_FLOAT_EQ(batch.points[0].r, 0.1f);
    EXPECT_FLOAT_EQ(batch.points[0].b, 0.5f);
    BatchPointsBySize({instance}, 1.2f, 2.0f, batch);
    EXPECT_FLOAT_EQ(batch.points[0].r, 0.4f);
    EXPECT_FLOAT_EQ(batch.points[0].g, 1.0f);
}

}  // namespace
}  // namespace velmora::renderer
