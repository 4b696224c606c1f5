#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "renderer/core/random15.h"
#include "renderer/gl/effect_drawing.h"
#include "renderer/gl/gl_api.h"
#include "renderer/offscreen/offscreen_surface.h"

namespace velmora::renderer {
namespace {

EffectParameters standard_parameters() {
    EffectParameters parameters;
    assign_effect_parameters(parameters);
    return parameters;
}

int brightness(Rgb pixel) {
    return std::max({pixel.r, pixel.g, pixel.b});
}

struct PictureStats {
    int lit = 0;       // pixels with any channel above 24
    int coloured = 0;  // lit pixels whose channels differ clearly
    int brightest = 0;
};

PictureStats stats_of(const OffscreenSurface& surface) {
    PictureStats stats;
    for (const Rgb& p : surface.picture()) {
        const int high = brightness(p);
        const int low = std::min({p.r, p.g, p.b});
        stats.brightest = std::max(stats.brightest, high);
        if (high > 24) {
            ++stats.lit;
            if (high - low > 40) {
                ++stats.coloured;
            }
        }
    }
    return stats;
}

class EffectDrawingTest : public ::testing::Test {
  protected:
    void set_up(int width, int height, FrameKeeping keeping = FrameKeeping::texture) {
        surface = std::make_unique<OffscreenSurface>(width, height);
        ASSERT_TRUE(surface->ready());
        seed_random15(20240611u);
        drawing.set_up(ClientRect{0, 0, width, height}, standard_parameters(), keeping);
    }
    void draw_frames(int count) {
        for (int i = 0; i < count; ++i) {
            drawing.draw_frame();
        }
    }
    void TearDown() override { drawing.tear_down(); }

    std::unique_ptr<OffscreenSurface> surface;
    EffectDrawing drawing;
};

TEST_F(EffectDrawingTest, SetUpClearsToBlackAndMakesThreeInstances) {
    set_up(64, 48);
    EXPECT_EQ(drawing.instances().size(), 3u);
    EXPECT_EQ(stats_of(*surface).brightest, 0);
}

TEST_F(EffectDrawingTest, AColouredPictureBuildsUpOverFrames) {
    set_up(320, 240);
    draw_frames(1);
    const PictureStats first = stats_of(*surface);
    draw_frames(59);
    const PictureStats later = stats_of(*surface);
    EXPECT_GT(first.lit, 0);
    EXPECT_GT(later.lit, first.lit);
    EXPECT_GT(later.coloured, 320 * 240 / 50) << "the spots are coloured, not grey";
}

TEST_F(EffectDrawingTest, EachFrameLeavesAbout0647OfThePreviousPicture) {
    for (FrameKeeping keeping : {FrameKeeping::texture, FrameKeeping::back_buffer}) {
        set_up(160, 120, keeping);
        draw_frames(30);
        const std::vector<Rgb> before = surface->picture();
        drawing.instances().clear();  // nothing new is drawn: only the fade
        draw_frames(1);
        const std::vector<Rgb> after = surface->picture();
        int checked = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i].g > 100) {
                ASSERT_NEAR(after[i].g, before[i].g * 0.647, 1.5) << i;
                ++checked;
            }
        }
        EXPECT_GT(checked, 50);
        drawing.tear_down();
    }
}

TEST_F(EffectDrawingTest, PointsGrowWithDepth) {
    set_up(400, 300);
    drawing.instances().clear();
    const auto width_at = [&](float z) {
        EffectInstance one;
        one.samples.push_back(Sample{0.0f, 0.0f, z, 1.0f, 1.0f, 1.0f});
        glClear(GL_COLOR_BUFFER_BIT);
        draw_points(one, derive_effect_gains(standard_parameters()).point_gain);
        int lit = 0;
        for (int x = 0; x < 400; ++x) {
            lit += surface->pixel(x, 150).r > 127 ? 1 : 0;
        }
        return lit;
    };
    EXPECT_FLOAT_EQ(point_size_at(-20.0f, 1.2f), 24.0f);
    EXPECT_FLOAT_EQ(point_size_at(-45.0f, 1.2f), 0.012f);
    EXPECT_NEAR(width_at(-20.0f), 24, 2);
    EXPECT_NEAR(width_at(-15.0f), 30, 2);
    EXPECT_GT(width_at(10.0f), width_at(-15.0f));
}

TEST_F(EffectDrawingTest, TrailsSurviveABackBufferThatLostItsPicture) {
    set_up(160, 120);
    draw_frames(30);
    const PictureStats before = stats_of(*surface);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);  // what a driver may leave after a swap
    drawing.instances().clear();
    draw_frames(1);
    const PictureStats after = stats_of(*surface);
    EXPECT_GT(after.lit, before.lit / 2);
    EXPECT_NEAR(after.brightest, before.brightest * 0.647, 2.0);
}

class EveryScreenShape : public EffectDrawingTest,
                         public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(EveryScreenShape, TheFadeDarkensTheWholeView) {
    const auto [width, height] = GetParam();
    for (FrameKeeping keeping : {FrameKeeping::texture, FrameKeeping::back_buffer}) {
        set_up(width, height, keeping);
        draw_frames(40);
        EXPECT_GT(stats_of(*surface).lit, 0);
        drawing.instances().clear();
        draw_frames(25);
        // 0.647 to the 25th leaves nothing but the last rounding step.
        EXPECT_LE(stats_of(*surface).brightest, 2);
        drawing.tear_down();
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, EveryScreenShape,
                         ::testing::Values(std::pair{160, 120}, std::pair{320, 90},
                                           std::pair{256, 80}, std::pair{90, 160},
                                           std::pair{60, 200}));

}  // namespace
}  // namespace velmora::renderer

// OSMesa keeps a few bookkeeping blocks for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\n";
}
