#pragma once
// The desktop's monitors: one window over all of them and one view per monitor.

#include <cstdint>
#include <optional>
#include <vector>

#include "contract/screen_geometry.h"
#include "renderer/core/view_geometry.h"

namespace velmora::renderer {

using contract::ScreenRect;

// The dots per inch every pixel size of the effect is tuned for.
constexpr int kTunedDpi = 96;

// One monitor of the desktop: where it is, how many pixels it has to the
// inch (the platform's effective DPI for it) and how often it refreshes (0 or
// 1: the hardware's default, taken as 60 Hz).
struct Monitor {
    Monitor(ScreenRect area_on_desktop, int monitor_dpi = kTunedDpi,  // NOLINT(*-explicit-*)
            int monitor_refresh_hz = 0)
        : area(area_on_desktop), dpi(monitor_dpi), refresh_hz(monitor_refresh_hz) {}
    ScreenRect area;
    int dpi;
    int refresh_hz;
};

// The desktop's monitors: those the platform lists, or where it lists none
// with an area (as while the desktop is being changed), the primary screen.
std::vector<Monitor> MonitorsOrPrimary(std::vector<Monitor> listed, const Monitor& primary);

// Where one monitor's picture goes in the renderer's window, in the GL's
// window coordinates (origin at the bottom-left corner of the window), and
// how the effect is framed on a screen of its shape.
struct MonitorView {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    ViewGeometry geometry;
    // Pixels per tuned pixel: the monitor's DPI over 96, so the points are
    // as large to the eye on a dense panel as on a 96-dpi one.
    float point_scale = 1.0f;
};

// The renderer's window and the views of the monitors it covers.
struct DesktopLayout {
    ScreenRect window;  // the smallest rectangle holding every monitor
    std::vector<MonitorView> views;
};

// One window over the whole desktop, so input anywhere on it reaches the
// renderer, and one view per monitor, in the order given. Monitors of no size
// are left out; without any, the layout is empty.
DesktopLayout LayOutDesktop(const std::vector<Monitor>& monitors);

// The layout after the desktop changed to `monitors`. With no monitor left
// there is nothing to draw into: the window stays where it was, without
// views, until monitors come back.
DesktopLayout LayOutChangedDesktop(const DesktopLayout& current,
                                   const std::vector<Monitor>& monitors);

// The largest window the GL can draw into, in pixels.
struct DrawableSize {
    int width = 0;
    int height = 0;
};

// Workaround for Windows drivers: many cannot draw a window wider or taller
// than this, whatever largest viewport they tell.
constexpr int kLargestDrawableSide = 16384;

// The largest drawable window of a GL whose largest viewport is this size
// (GL_MAX_VIEWPORT_DIMS; 0 where it could not be told).
DrawableSize LargestDrawable(int viewport_width, int viewport_height);

// The monitors one window can cover and draw: all of them where the
// rectangle holding them fits `largest`; else the primary monitor (the one
// at the desktop's origin, or the first where none is) where it fits; else
// nothing (no value): the window would stay black. Monitors of no size are
// left out; with none left the answer is no monitor.
std::optional<std::vector<Monitor>> DrawableMonitors(const std::vector<Monitor>& monitors,
                                                     DrawableSize largest);

// The layout of a window of this size with a single view filling it.
DesktopLayout SingleView(int width, int height, int dpi = kTunedDpi);

}  // namespace velmora::renderer
