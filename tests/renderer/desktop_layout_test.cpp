#include <gtest/gtest.h>

#include "renderer/core/desktop_layout.h"

namespace velmora::renderer {
namespace {

void ExpectView(const MonitorView& view, int x, int y, int width, int height) {
    EXPECT_EQ(view.x, x);
    EXPECT_EQ(view.y, y);
    EXPECT_EQ(view.width, width);
    EXPECT_EQ(view.height, height);
    EXPECT_DOUBLE_EQ(view.geometry.aspect, static_cast<double>(width) / height);
}

void ExpectWindow(const DesktopLayout& layout, int left, int top, int right, int bottom) {
    EXPECT_EQ(layout.window.left, left);
    EXPECT_EQ(layout.window.top, top);
    EXPECT_EQ(layout.window.right, right);
    EXPECT_EQ(layout.window.bottom, bottom);
}

TEST(DesktopLayout, SideBySideMonitorsOfMixedSizes) {
    // A 16:9 primary with a taller portrait monitor to its right.
    const DesktopLayout layout =
        LayOutDesktop({ScreenRect{0, 0, 1920, 1080}, ScreenRect{1920, -300, 3000, 1620}});
    ExpectWindow(layout, 0, -300, 3000, 1620);
    ASSERT_EQ(layout.views.size(), 2u);
    // The GL counts rows from the bottom of the window.
    ExpectView(layout.views[0], 0, 540, 1920, 1080);
    ExpectView(layout.views[1], 1920, 0, 1080, 1920);
    EXPECT_GT(layout.views[1].geometry.field_of_view_y, 90.0) << "portrait keeps 90 across";
}

TEST(DesktopLayout, StackedMonitorsAndOnesLeftOfAndAboveThePrimary) {
    const DesktopLayout stacked =
        LayOutDesktop({ScreenRect{0, 0, 1280, 720}, ScreenRect{0, -1440, 5120, 0}});
    ExpectWindow(stacked, 0, -1440, 5120, 720);
    ASSERT_EQ(stacked.views.size(), 2u);
    ExpectView(stacked.views[0], 0, 0, 1280, 720);
    ExpectView(stacked.views[1], 0, 720, 5120, 1440);

    const DesktopLayout left =
        LayOutDesktop({ScreenRect{0, 0, 1920, 1080}, ScreenRect{-1280, 100, 0, 1124}});
    ExpectWindow(left, -1280, 0, 1920, 1124);
    ASSERT_EQ(left.views.size(), 2u);
    ExpectView(left.views[0], 1280, 44, 1920, 1080);
    ExpectView(left.views[1], 0, 0, 1280, 1024);
}

// A monitor whose DPI the platform could not tell draws as one of 96 dpi.
TEST(DesktopLayout, AMonitorOfUntoldDpiScalesItsPointsAsNinetySix) {
    const DesktopLayout layout = LayOutDesktop(
        {Monitor(ScreenRect{0, 0, 1280, 800}, 0), Monitor(ScreenRect{1280, 0, 2560, 800}, 192)});
    ASSERT_EQ(layout.views.size(), 2u);
    EXPECT_EQ(layout.views[0].point_scale, 1.0f);
    EXPECT_EQ(layout.views[1].point_scale, 2.0f);
}

TEST(DesktopLayout, OneMonitorFillsTheWindowAndEmptyMonitorsAreLeftOut) {
    const DesktopLayout single = SingleView(1024, 768);
    ExpectWindow(single, 0, 0, 1024, 768);
    ASSERT_EQ(single.views.size(), 1u);
    ExpectView(single.views[0], 0, 0, 1024, 768);

    const DesktopLayout with_empty =
        LayOutDesktop({ScreenRect{-50, -50, -50, 10}, ScreenRect{0, 0, 800, 600}});
    ExpectWindow(with_empty, 0, 0, 800, 600);
    EXPECT_EQ(with_empty.views.size(), 1u);
    EXPECT_TRUE(LayOutDesktop({}).views.empty());
}

// Monitors come and go while the saver runs: every layout covers the
// monitors of that moment and only them.
TEST(DesktopLayout, ChangesOfTheDesktopAreLaidOutAfresh) {
    const ScreenRect primary{0, 0, 1920, 1080};
    const ScreenRect left{-1280, 56, 0, 1080};
    DesktopLayout layout = LayOutDesktop({primary});

    layout = LayOutChangedDesktop(layout, {primary, left});  // added left of the primary
    ExpectWindow(layout, -1280, 0, 1920, 1080);
    ASSERT_EQ(layout.views.size(), 2u);
    ExpectView(layout.views[0], 1280, 0, 1920, 1080);
    ExpectView(layout.views[1], 0, 0, 1280, 1024);

    layout = LayOutChangedDesktop(layout, {left});  // the primary gone
    ExpectWindow(layout, -1280, 56, 0, 1080);
    ASSERT_EQ(layout.views.size(), 1u);
    ExpectView(layout.views[0], 0, 0, 1280, 1024);

    layout = LayOutChangedDesktop(layout, {ScreenRect{-1280, 56, 0, 856}});  // a new mode
    ExpectWindow(layout, -1280, 56, 0, 856);
    ASSERT_EQ(layout.views.size(), 1u);
    ExpectView(layout.views[0], 0, 0, 1280, 800);

    layout = LayOutChangedDesktop(layout, {});  // all gone: nothing drawn, the window waits
    ExpectWindow(layout, -1280, 56, 0, 856);
    EXPECT_TRUE(layout.views.empty());

    layout = LayOutChangedDesktop(layout, {ScreenRect{0, 0, 2560, 1440}, left});  // back
    ExpectWindow(layout, -1280, 0, 2560, 1440);
    ASSERT_EQ(layout.views.size(), 2u);
    ExpectView(layout.views[0], 1280, 0, 2560, 1440);
    ExpectView(layout.views[1], 0, 360, 1280, 1024);
}

// While Windows lists no monitor with an area, the primary screen stands for the desktop.
TEST(DesktopLayout, WithNoMonitorListedThePrimaryScreenStandsForTheDesktop) {
    const Monitor primary(ScreenRect{0, 0, 1280, 720}, 120, 75);
    const std::vector<Monitor> none = MonitorsOrPrimary({}, primary);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].area, primary.area);
    EXPECT_EQ(none[0].dpi, 120);
    EXPECT_EQ(none[0].refresh_hz, 75);
    EXPECT_EQ(MonitorsOrPrimary({ScreenRect{9, 9, 9, 99}}, primary)[0].area, primary.area);
    const std::vector<Monitor> listed =
        MonitorsOrPrimary({ScreenRect{9, 9, 9, 99}, ScreenRect{-800, 0, 0, 600}}, primary);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1].area, (ScreenRect{-800, 0, 0, 600}));
}

// The driver's largest viewport, never past what many drivers can draw.
TEST(DesktopLayout, TheLargestDrawableWindowIsTheViewportWithinSixteenThousand) {
    EXPECT_EQ(LargestDrawable(8192, 32768).width, 8192);
    EXPECT_EQ(LargestDrawable(8192, 32768).height, 16384);
    EXPECT_EQ(LargestDrawable(0, 0).width, 16384) << "a GL that cannot tell";
}

// One window over every monitor where the GL can draw it; else the primary
// alone; else nothing, rather than a black window.
TEST(DesktopLayout, PastTheLargestDrawableWindowOnlyThePrimaryIsCovered) {
    const Monitor left(ScreenRect{-7680, 0, 0, 4320}, 192);
    const Monitor primary(ScreenRect{0, 0, 7680, 4320}, 144);
    const Monitor above(ScreenRect{0, -4320, 7680, 0});
    const auto covered = [](const std::vector<Monitor>& monitors, DrawableSize largest) {
        const std::optional<std::vector<Monitor>> drawable = DrawableMonitors(monitors, largest);
        return drawable ? LayOutDesktop(*drawable) : DesktopLayout{ScreenRect{-1, -1, -1, -1}, {}};
    };

    const DesktopLayout both = covered({left, primary, above}, DrawableSize{15360, 8640});
    ExpectWindow(both, -7680, -4320, 7680, 4320);
    EXPECT_EQ(both.views.size(), 3u);

    // One side too long, whichever it is.
    for (const DrawableSize largest : {DrawableSize{15359, 8640}, DrawableSize{15360, 8639}}) {
        const DesktopLayout only = covered({left, primary, above}, largest);
        ExpectWindow(only, 0, 0, 7680, 4320);
        ASSERT_EQ(only.views.size(), 1u);
        EXPECT_EQ(only.views[0].point_scale, 1.5f) << "the primary's own DPI";
    }
    // Without a monitor at the desktop's origin, the first one stands for it.
    ExpectWindow(covered({left, above}, DrawableSize{7680, 8640}), -7680, 0, 0, 4320);
    ExpectWindow(covered({primary}, DrawableSize{7679, 16384}), -1, -1, -1, -1);
    ASSERT_TRUE(DrawableMonitors({ScreenRect{5, 5, 5, 9}}, DrawableSize{1, 1}));
    EXPECT_TRUE(DrawableMonitors({ScreenRect{5, 5, 5, 9}}, DrawableSize{1, 1})->empty())
        << "no monitor to draw is not a failure to draw";
}

}  // namespace
}  // namespace velmora::renderer
