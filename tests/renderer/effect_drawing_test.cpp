#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include <GL/glu.h>

#include "renderer/core/view_geometry.h"
#include "renderer/gl/effect_drawing.h"
#include "renderer/gl/gl_api.h"
#include "renderer/offscreen/offscreen_surface.h"

namespace velmora::renderer {
namespace {

int Brightness(Rgb pixel) {
    return std::max({pixel.r, pixel.g, pixel.b});
}

struct PictureStats {
    int lit = 0;       // pixels with any channel above 24
    int coloured = 0;  // lit pixels whose channels differ clearly
    int brightest = 0;
};

PictureStats StatsOf(const OffscreenSurface& surface) {
    PictureStats stats;
    for (const Rgb& p : surface.Picture()) {
        const int high = Brightness(p);
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
    void SetUpDrawing(int width, int height, TrailKeeping keeping = TrailKeeping::Texture) {
        surface = std::make_unique<OffscreenSurface>(width, height);
        ASSERT_TRUE(surface->Ready());
        drawing.SetUp(SingleView(width, height), StandardEffectParameters(), Random15(20240611u),
                      keeping);
    }
    void DrawFrames(int count) {
        for (int i = 0; i < count; ++i) {
            drawing.DrawFrame();
        }
    }
    void TearDown() override { drawing.TearDown(); }

    std::unique_ptr<OffscreenSurface> surface;
    EffectDrawing drawing;
};

// The projection made from a view's frustum is the one GLU's perspective
// makes of the same field of view and aspect.
TEST(ViewProjection, IsGluPerspectiveOfTheViewOnEveryScreenShape) {
    OffscreenSurface surface(64, 64);
    ASSERT_TRUE(surface.Ready());
    glMatrixMode(GL_PROJECTION);
    for (auto [w, h] : {std::pair{640, 480}, std::pair{1920, 1080}, std::pair{1080, 1920},
                        std::pair{5120, 1440}, std::pair{1, 0}}) {
        const ViewGeometry view = ViewGeometryFor(w, h);
        GLdouble expected[16];
        glLoadIdentity();
        gluPerspective(view.field_of_view_y, view.aspect, 1.0, 10000.0);
        glGetDoublev(GL_PROJECTION_MATRIX, expected);
        GLdouble actual[16];
        const Frustum frustum = FrustumFor(view);
        glLoadIdentity();
        glFrustum(frustum.left, frustum.right, frustum.bottom, frustum.top, frustum.near_plane,
                  frustum.far_plane);
        glGetDoublev(GL_PROJECTION_MATRIX, actual);
        for (int i = 0; i < 16; ++i) {
            EXPECT_NEAR(actual[i], expected[i], 1e-6 * std::max(1.0, std::abs(expected[i])))
                << w << "x" << h << " element " << i;
        }
    }
}

TEST_F(EffectDrawingTest, SetUpClearsToBlackAndMakesThreeInstances) {
    SetUpDrawing(64, 48);
    EXPECT_EQ(drawing.Instances().size(), 3u);
    EXPECT_EQ(StatsOf(*surface).brightest, 0);
}

TEST_F(EffectDrawingTest, AColouredPictureBuildsUpOverFrames) {
    SetUpDrawing(320, 240);
    DrawFrames(1);
    const PictureStats first = StatsOf(*surface);
    DrawFrames(59);
    const PictureStats later = StatsOf(*surface);
    EXPECT_GT(first.lit, 0);
    EXPECT_GT(later.lit, first.lit);
    EXPECT_GT(later.coloured, 320 * 240 / 50) << "the spots are coloured, not grey";
}

TEST_F(EffectDrawingTest, EachFrameLeavesAbout0647OfThePreviousPicture) {
    for (TrailKeeping keeping : {TrailKeeping::Texture, TrailKeeping::BackBuffer}) {
        SetUpDrawing(160, 120, keeping);
        DrawFrames(30);
        const std::vector<Rgb> before = surface->Picture();
        drawing.Instances().clear();  // nothing new is drawn: only the fade
        DrawFrames(1);
        const std::vector<Rgb> after = surface->Picture();
        int checked = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i].g > 100) {
                ASSERT_NEAR(after[i].g, before[i].g * 0.647, 1.5) << i;
                ++checked;
            }
        }
        EXPECT_GT(checked, 50);
        drawing.TearDown();
    }
}

// Each monitor's view draws the points at their size times its DPI over 96:
// four monitors side by side at 96, 120, 144 and 192 dpi.
TEST_F(EffectDrawingTest, PointsGrowWithDepthAndWithTheirMonitorsDpi) {
    constexpr int kDpis[] = {96, 120, 144, 192};
    std::vector<Monitor> monitors;
    monitors.reserve(4);
    for (int i = 0; i < 4; ++i) {
        monitors.emplace_back(ScreenRect{200 * i, 0, 200 * (i + 1), 160}, kDpis[i]);
    }
    surface = std::make_unique<OffscreenSurface>(800, 160);
    ASSERT_TRUE(surface->Ready());
    drawing.SetUp(LayOutDesktop(monitors), StandardEffectParameters(), Random15(5));
    const auto widths_at = [&](float z) {
        drawing.Instances().assign(1, EffectInstance{});
        drawing.Instances()[0].samples.push_back(Sample{0.0f, 0.0f, z, 1.0f, 1.0f, 1.0f});
        glDisable(GL_SCISSOR_TEST);
        glClear(GL_COLOR_BUFFER_BIT);
        drawing.DrawFrame();
        const std::vector<Rgb> picture = surface->Picture();
        std::vector<int> widths(4, 0);
        for (size_t x = 0; x < 800; ++x) {
            widths[x / 200] += picture[80 * 800 + x].r > 200 ? 1 : 0;
        }
        return widths;
    };
    const std::vector<int> far = widths_at(-15.0f);
    const std::vector<int> farther = widths_at(-20.0f);
    for (size_t i = 0; i < 4; ++i) {
        const float scale = kDpis[i] / 96.0f;
        EXPECT_NEAR(far[i], 30 * scale, 2) << kDpis[i] << " dpi";
        EXPECT_NEAR(farther[i], 24 * scale, 2) << kDpis[i] << " dpi";
    }
    EXPECT_GT(widths_at(10.0f)[0], far[0]);
}

// The reference: every point its own primitive of its own exact size.
void DrawEachPointAlone(const std::vector<EffectInstance>& instances, float point_gain) {
    for (const EffectInstance& instance : instances) {
        for (const Sample& sample : instance.samples) {
            glPointSize(PointSizeAt(sample.z, point_gain));
            glBegin(GL_POINTS);
            glColor3fv(&sample.r);
            glVertex3fv(&sample.x);
            glEnd();
        }
    }
}

TEST_F(EffectDrawingTest, PointsGroupedBySizeLookLikeOnePrimitivePerPoint) {
    SetUpDrawing(320, 240, TrailKeeping::BackBuffer);
    DrawFrames(12);
    const float point_gain = DeriveEffectGains(StandardEffectParameters()).point_gain;
    glClear(GL_COLOR_BUFFER_BIT);
    DrawEachPointAlone(drawing.Instances(), point_gain);
    const std::vector<Rgb> alone = surface->Picture();
    glClear(GL_COLOR_BUFFER_BIT);
    PointBatch batch;
    BatchPointsBySize(drawing.Instances(), point_gain, 1.0f, batch);
    SoftPoints(LargestSmoothPoint()).Draw(batch, SingleView(320, 240).views[0]);
    const std::vector<Rgb> grouped = surface->Picture();

    long total_difference = 0;
    int far_off = 0;
    for (size_t i = 0; i < alone.size(); ++i) {
        const int difference =
            std::max({std::abs(alone[i].r - grouped[i].r), std::abs(alone[i].g - grouped[i].g),
                      std::abs(alone[i].b - grouped[i].b)});
        total_difference += difference;
        far_off += difference > 32 ? 1 : 0;
    }
    EXPECT_GT(StatsOf(*surface).lit, 320 * 240 / 4);
    EXPECT_LT(static_cast<double>(total_difference) / alone.size(), 1.0);
    EXPECT_LT(far_off, static_cast<int>(alone.size() / 100)) << "only rims may differ";
}

// How far picture b is from picture a: the mean of every pixel's largest
// channel difference, the mean change of brightness (b brighter: above 0),
// and how many pixels differ by more than a quarter of the range.
struct PictureDifference {
    double mean = 0.0;
    double brightness = 0.0;
    int far_off = 0;
};

PictureDifference DifferenceOf(const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
    PictureDifference difference;
    long total = 0;
    long brighter = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const int most = std::max(
            {std::abs(a[i].r - b[i].r), std::abs(a[i].g - b[i].g), std::abs(a[i].b - b[i].b)});
        total += most;
        brighter += b[i].r + b[i].g + b[i].b - a[i].r - a[i].g - a[i].b;
        difference.far_off += most > 64 ? 1 : 0;
    }
    difference.mean = static_cast<double>(total) / static_cast<double>(a.size());
    difference.brightness = static_cast<double>(brighter) / (3.0 * static_cast<double>(a.size()));
    return difference;
}

// At 96 dpi the frames are those of a drawing that knows nothing of DPI:
// every size group one primitive of GL points at the group's size.
TEST_F(EffectDrawingTest, AtNinetySixDpiEveryFrameIsThePointsAtTheirTunedSizes) {
    SetUpDrawing(320, 240, TrailKeeping::BackBuffer);
    DrawFrames(12);
    PointBatch batch;
    BatchPointsBySize(drawing.Instances(), DeriveEffectGains(StandardEffectParameters()).point_gain,
                      1.0f, batch);
    glClear(GL_COLOR_BUFFER_BIT);
    int begin = 0;
    for (const PointBatch::Group& group : batch.groups) {
        glPointSize(group.size);
        glBegin(GL_POINTS);
        for (int i = begin; i < group.end; ++i) {
            glColor3fv(&batch.points[static_cast<size_t>(i)].r);
            glVertex3fv(&batch.points[static_cast<size_t>(i)].x);
        }
        glEnd();
        begin = group.end;
    }
    const std::vector<Rgb> tuned = surface->Picture();
    glClear(GL_COLOR_BUFFER_BIT);
    SoftPoints(LargestSmoothPoint()).Draw(batch, SingleView(320, 240, 96).views[0]);
    const std::vector<Rgb> drawn = surface->Picture();
    EXPECT_GT(StatsOf(*surface).lit, 320 * 240 / 4);
    EXPECT_EQ(std::memcmp(tuned.data(), drawn.data(), tuned.size() * sizeof(Rgb)), 0);
}

// On a GL whose smooth points are not trusted every point is a textured
// disc, and the picture is the one of the smooth points. The last frame
// darkens the kept picture away and is dimmed, so that overlapping points do
// not hide their rims in white.
TEST_F(EffectDrawingTest, PointsDrawnAsDiscsLookLikeSmoothPoints) {
    constexpr int kWidth = 480;
    constexpr int kHeight = 360;
    const auto picture_of = [&](bool round_smooth_points, int dpi) {
        surface = std::make_unique<OffscreenSurface>(kWidth, kHeight);
        EXPECT_TRUE(surface->Ready());
        drawing.SetUp(SingleView(kWidth, kHeight, dpi), StandardEffectParameters(),
                      Random15(20240611u), TrailKeeping::BackBuffer, round_smooth_points);
        DrawFrames(12);
        drawing.DrawFrame(FrameStep{1.0f, 1.0f, 0.2f});
        std::vector<Rgb> picture = surface->Picture();
        drawing.TearDown();
        return picture;
    };
    for (int dpi : {96, 192}) {
        const std::vector<Rgb> smooth = picture_of(true, dpi);
        const std::vector<Rgb> discs = picture_of(false, dpi);
        const auto lit = [](const std::vector<Rgb>& picture) {
            return std::count_if(picture.begin(), picture.end(),
                                 [](Rgb pixel) { return Brightness(pixel) > 24; });
        };
        const PictureDifference difference = DifferenceOf(smooth, discs);
        EXPECT_GT(lit(smooth), kWidth * kHeight / 4) << dpi;
        EXPECT_NEAR(lit(discs), lit(smooth), lit(smooth) / 50.0) << dpi;
        // Only the rims differ (a smooth point here has a hard edge), and
        // each disc adds as much light as the point it stands for.
        EXPECT_LT(difference.mean, 6.0) << dpi;
        EXPECT_NEAR(difference.brightness, 0.0, 1.0) << dpi;
        EXPECT_LT(difference.far_off, static_cast<int>(smooth.size() / 100)) << dpi;
    }
}

TEST_F(EffectDrawingTest, TheProbeTrustsOnlyABackBufferThatKeepsTheLastFrame) {
    SetUpDrawing(64, 48);
    EXPECT_EQ(ProbeTrailKeeping(64, 48, [] {}), TrailKeeping::BackBuffer);
    EXPECT_EQ(StatsOf(*surface).brightest, 0) << "left black";
    const auto lost = [] {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    };
    EXPECT_EQ(ProbeTrailKeeping(64, 48, lost), TrailKeeping::Texture);
    // Two buffers taking turns: the back buffer holds the frame before last.
    std::vector<unsigned char> other(64 * 48 * 4, 0);
    const auto exchange = [&other] {
        std::vector<unsigned char> shown(other.size());
        glReadPixels(0, 0, 64, 48, GL_RGBA, GL_UNSIGNED_BYTE, shown.data());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glRasterPos2f(-1.0f, -1.0f);
        glDrawPixels(64, 48, GL_RGBA, GL_UNSIGNED_BYTE, other.data());
        other = shown;
    };
    EXPECT_EQ(ProbeTrailKeeping(64, 48, exchange), TrailKeeping::Texture);
}

TEST_F(EffectDrawingTest, TrailsSurviveABackBufferThatLostItsPicture) {
    SetUpDrawing(160, 120);
    DrawFrames(30);
    const PictureStats before = StatsOf(*surface);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);  // what a driver may leave after a swap
    drawing.Instances().clear();
    DrawFrames(1);
    const PictureStats after = StatsOf(*surface);
    EXPECT_GT(after.lit, before.lit / 2);
    EXPECT_NEAR(after.brightest, before.brightest * 0.647, 2.0);
}

// On a 240 Hz display the trails fade out as fully as at 60 Hz: no dim
// haze is left where each darkening would be too slight for an 8-bit pixel.
TEST_F(EffectDrawingTest, TrailsFadeOutCompletelyOnAFastDisplay) {
    SetUpDrawing(160, 120, TrailKeeping::BackBuffer);
    DrawFrames(30);
    drawing.Instances().clear();
    FrameClock clock(DeriveEffectGains(StandardEffectParameters()).darkening_per_step);
    for (int frame = 0; frame < 240; ++frame) {
        drawing.DrawFrame(clock.Next(frame * 1000000LL / 240));
    }
    EXPECT_LE(StatsOf(*surface).brightest, 2);
}

// Two monitors side by side, the second taller: each view shows the effect
// and darkens, and nothing is drawn where no monitor is.
TEST_F(EffectDrawingTest, EveryMonitorsViewShowsTheEffectAndNothingBleedsBeyond) {
    const DesktopLayout layout =
        LayOutDesktop({ScreenRect{0, 0, 160, 120}, ScreenRect{160, 0, 250, 160}});
    for (TrailKeeping keeping : {TrailKeeping::Texture, TrailKeeping::BackBuffer}) {
        surface = std::make_unique<OffscreenSurface>(250, 160);
        ASSERT_TRUE(surface->Ready());
        drawing.SetUp(layout, StandardEffectParameters(), Random15(3), keeping);
        DrawFrames(30);
        const std::vector<Rgb> picture = surface->Picture();
        const auto lit_in = [&picture](int left, int top, int right, int bottom) {
            int lit = 0;
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) {
                    lit += Brightness(picture[static_cast<size_t>(y) * 250 + x]) > 24 ? 1 : 0;
                }
            }
            return lit;
        };
        EXPECT_GT(lit_in(0, 0, 160, 120), 160 * 120 / 4);
        EXPECT_GT(lit_in(160, 0, 250, 160), 90 * 160 / 4);
        EXPECT_EQ(lit_in(0, 120, 160, 160), 0) << "below the first monitor";
        drawing.Instances().clear();
        DrawFrames(25);
        EXPECT_LE(StatsOf(*surface).brightest, 2);
        drawing.TearDown();
    }
}

// After a display change the views of the new layout are drawn from the
// next frame on, and nothing where no monitor is left; the back buffer takes
// the picture over from the textures when the probe finds it kept.
TEST_F(EffectDrawingTest, ANewLayoutIsDrawnAtOnceAndTheKeepingChangesWithoutLoss) {
    surface = std::make_unique<OffscreenSurface>(250, 160);
    ASSERT_TRUE(surface->Ready());
    const DesktopLayout two =
        LayOutDesktop({ScreenRect{0, 0, 160, 120}, ScreenRect{160, 0, 250, 160}});
    drawing.SetUp(SingleView(250, 160), StandardEffectParameters(), Random15(8),
                  TrailKeeping::Texture);
    DrawFrames(20);
    glDisable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT);  // as the probe leaves the back buffer
    drawing.ChangeKeeping(TrailKeeping::BackBuffer);
    EXPECT_GT(StatsOf(*surface).lit, 250 * 160 / 4) << "the picture carried over";

    drawing.ChangeLayout(two, TrailKeeping::Texture);  // until probed again
    DrawFrames(20);
    const std::vector<Rgb> picture = surface->Picture();
    int lit_below_first = 0;
    for (int y = 120; y < 160; ++y) {
        for (int x = 0; x < 160; ++x) {
            lit_below_first +=
                Brightness(picture[static_cast<size_t>(y) * 250 + static_cast<size_t>(x)]) > 0 ? 1
                                                                                               : 0;
        }
    }
    EXPECT_EQ(lit_below_first, 0) << "no monitor is there now";
    EXPECT_GT(StatsOf(*surface).lit, 250 * 160 / 4);
}

class EveryScreenShape : public EffectDrawingTest,
                         public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(EveryScreenShape, TheFadeDarkensTheWholeView) {
    const auto [width, height] = GetParam();
    for (TrailKeeping keeping : {TrailKeeping::Texture, TrailKeeping::BackBuffer}) {
        SetUpDrawing(width, height, keeping);
        DrawFrames(40);
        EXPECT_GT(StatsOf(*surface).lit, 0);
        drawing.Instances().clear();
        DrawFrames(25);
        // 0.647 to the 25th leaves nothing but the last rounding step.
        EXPECT_LE(StatsOf(*surface).brightest, 2);
        drawing.TearDown();
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, EveryScreenShape,
                         ::testing::Values(std::pair{160, 120}, std::pair{320, 90},
                                           std::pair{256, 80}, std::pair{90, 160},
                                           std::pair{60, 200}));

}  // namespace
}  // namespace velmora::renderer

// OSMesa keeps a few bookkeeping blocks for the life of the process.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name of LeakSanitizer's hook
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\n";
}
