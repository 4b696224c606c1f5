#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "renderer/core/point_batch.h"

namespace velmora::renderer {
namespace {

bool Same(const Sample& a, const Sample& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.r == b.r && a.g == b.g && a.b == b.b;
}

TEST(PointBatch, EverySampleOnceWithItsColourInGroupsOfGrowingSize) {
    EffectParameters parameters = StandardEffectParameters();
    const EffectGains gains = DeriveEffectGains(parameters);
    Random15 random(9);
    std::vector<EffectInstance> instances;
    std::vector<Sample> samples;
    for (int i = 0; i < 3; ++i) {
        instances.push_back(CreateEffectInstance(parameters, random));
        SimulateFrame(instances.back(), parameters, gains, random);
        samples.insert(samples.end(), instances.back().samples.begin(),
                       instances.back().samples.end());
    }

    PointBatch batch;
    for (int pass = 0; pass < 2; ++pass) {  // a second frame reuses the memory
        BatchPointsBySize(instances, gains.point_gain, 1.0f, batch);
        EXPECT_TRUE(std::is_permutation(batch.points.begin(), batch.points.end(), samples.begin(),
                                        samples.end(), Same));
        ASSERT_FALSE(batch.groups.empty());
        EXPECT_EQ(batch.groups.back().end, 1200);
        for (size_t g = 1; g < batch.groups.size(); ++g) {
            EXPECT_GT(batch.groups[g].end, batch.groups[g - 1].end);
            EXPECT_GT(batch.groups[g].size, batch.groups[g - 1].size);
        }
    }
}

// 1.2 pixels for every unit of z + 40: 30 pixels at the far end of the
// box, about 65 near the eye, 24 for a sample warped to z = -20, and hardly
// any for one warped past z = -40.
TEST(PointBatch, SizesFollowTheDepthToAQuarterPixel) {
    EffectInstance instance;
    for (float z : {14.0f, -15.0f, -80.0f, -20.0f, -15.1f, -15.0f}) {
        instance.samples.push_back(Sample{0, 0, z, 0, 0, 0});
    }
    PointBatch batch;
    BatchPointsBySize({instance}, 1.2f, 1.0f, batch);
    ASSERT_EQ(batch.groups.size(), 4u);
    EXPECT_LE(batch.groups[0].size, 0.25f);
    EXPECT_NEAR(batch.groups[1].size, 24.0f, 0.25f);
    EXPECT_NEAR(batch.groups[2].size, 30.0f, 0.25f);
    EXPECT_NEAR(batch.groups[3].size, 64.8f, 0.25f);
    for (size_t g = 0; g < 4; ++g) {
        EXPECT_EQ(batch.groups[g].end, (std::array{1, 2, 5, 6}[g]));
    }
    EXPECT_EQ(batch.points[0].z, -80.0f);
    EXPECT_EQ(batch.points[1].z, -20.0f);
    EXPECT_EQ(batch.points[5].z, 14.0f);
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
