#pragma once
// The desktop's monitors: one window over all of them and one view per monitor.

#include <cstdint>
#include <vector>

#include "renderer/core/view_geometry.h"

namespace velmora::renderer {

// A rectangle on the desktop in screen coordinates (the primary monitor's
// top-left corner is the origin; monitors left of or above it have negative
// coordinates); right and bottom are exclusive.
struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Where one monitor's picture goes in the saver window, in the GL's window
// coordinates (origin at the bottom-left corner of the window), and how the
// effect is framed on a screen of its shape.
struct MonitorView {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    ViewGeometry geometry;
};

// The saver window and the views of the monitors it covers.
struct DesktopLayout {
    ScreenRect window;  // the smallest rectangle holding every monitor
    std::vector<MonitorView> views;
};

// One window over the whole desktop, so input anywhere on it reaches the
// saver, and one view per monitor, in the order given. Monitors of no size
// are left out; without any, the layout is empty.
DesktopLayout LayOutDesktop(const std::vector<ScreenRect>& monitors);

// The layout after the desktop changed to `monitors`. With no monitor left
// there is nothing to draw into: the window stays where it was, without
// views, until monitors come back.
DesktopLayout LayOutChangedDesktop(const DesktopLayout& current,
                                   const std::vector<ScreenRect>& monitors);

// The layout of a window of this size with a single view filling it.
DesktopLayout SingleView(int width, int height);

}  // namespace velmora::renderer
