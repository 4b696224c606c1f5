#include "renderer/core/desktop_layout.h"

#include <algorithm>

namespace velmora::renderer {

DesktopLayout LayOutDesktop(const std::vector<ScreenRect>& monitors) {
    DesktopLayout layout;
    bool first = true;
    for (const ScreenRect& monitor : monitors) {
        if (monitor.right <= monitor.left || monitor.bottom <= monitor.top) {
            continue;
        }
        if (first) {
            layout.window = monitor;
            first = false;
        }
        layout.window.left = std::min(layout.window.left, monitor.left);
        layout.window.top = std::min(layout.window.top, monitor.top);
        layout.window.right = std::max(layout.window.right, monitor.right);
        layout.window.bottom = std::max(layout.window.bottom, monitor.bottom);
    }
    for (const ScreenRect& monitor : monitors) {
        if (monitor.right <= monitor.left || monitor.bottom <= monitor.top) {
            continue;
        }
        MonitorView view;
        view.x = monitor.left - layout.window.left;
        view.y = layout.window.bottom - monitor.bottom;
        view.width = monitor.right - monitor.left;
        view.height = monitor.bottom - monitor.top;
        view.geometry = ViewGeometryFor(view.width, view.height);
        layout.views.push_back(view);
    }
    return layout;
}

DesktopLayout LayOutChangedDesktop(const DesktopLayout& current,
                                   const std::vector<ScreenRect>& monitors) {
    DesktopLayout layout = LayOutDesktop(monitors);
    if (layout.views.empty()) {
        layout.window = current.window;
    }
    return layout;
}

DesktopLayout SingleView(int width, int height) {
    return LayOutDesktop({ScreenRect{0, 0, width, height}});
}

}  // namespace velmora::renderer
