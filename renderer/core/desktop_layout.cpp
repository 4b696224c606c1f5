#include "renderer/core/desktop_layout.h"

#include <algorithm>

namespace velmora::renderer {

namespace {

bool HasNoArea(const ScreenRect& area) {
    return area.right <= area.left || area.bottom <= area.top;
}

bool Fits(const ScreenRect& area, DrawableSize largest) {
    return area.right - area.left <= largest.width && area.bottom - area.top <= largest.height;
}

int DrawableSide(int viewport_side) {
    return viewport_side > 0 ? std::min(viewport_side, kLargestDrawableSide) : kLargestDrawableSide;
}

}  // namespace

DrawableSize LargestDrawable(int viewport_width, int viewport_height) {
    return DrawableSize{DrawableSide(viewport_width), DrawableSide(viewport_height)};
}

std::optional<std::vector<Monitor>> DrawableMonitors(const std::vector<Monitor>& monitors,
                                                     DrawableSize largest) {
    std::vector<Monitor> shown;
    for (const Monitor& each : monitors) {
        if (!HasNoArea(each.area)) {
            shown.push_back(each);
        }
    }
    if (shown.empty() || Fits(LayOutDesktop(shown).window, largest)) {
        return shown;
    }
    const auto at_origin = std::find_if(shown.begin(), shown.end(), [](const Monitor& each) {
        return each.area.left == 0 && each.area.top == 0;
    });
    const Monitor primary = at_origin != shown.end() ? *at_origin : shown.front();
    if (!Fits(primary.area, largest)) {
        return std::nullopt;
    }
    return std::vector<Monitor>{primary};
}

DesktopLayout LayOutDesktop(const std::vector<Monitor>& monitors) {
    DesktopLayout layout;
    bool first = true;
    for (const Monitor& each : monitors) {
        const ScreenRect& monitor = each.area;
        if (HasNoArea(monitor)) {
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
    for (const Monitor& each : monitors) {
        const ScreenRect& monitor = each.area;
        if (HasNoArea(monitor)) {
            continue;
        }
        MonitorView view;
        view.x = monitor.left - layout.window.left;
        view.y = layout.window.bottom - monitor.bottom;
        view.width = monitor.right - monitor.left;
        view.height = monitor.bottom - monitor.top;
        view.geometry = ViewGeometryFor(view.width, view.height);
        // A monitor whose DPI the platform could not tell counts as a 96-dpi one.
        const int dpi = each.dpi > 0 ? each.dpi : kTunedDpi;
        view.point_scale = static_cast<float>(dpi) / static_cast<float>(kTunedDpi);
        layout.views.push_back(view);
    }
    return layout;
}

DesktopLayout LayOutChangedDesktop(const DesktopLayout& current,
                                   const std::vector<Monitor>& monitors) {
    DesktopLayout layout = LayOutDesktop(monitors);
    if (layout.views.empty()) {
        layout.window = current.window;
    }
    return layout;
}

std::vector<Monitor> MonitorsOrPrimary(std::vector<Monitor> listed, const Monitor& primary) {
    if (std::all_of(listed.begin(), listed.end(),
                    [](const Monitor& each) { return HasNoArea(each.area); })) {
        listed.assign(1, primary);
    }
    return listed;
}

DesktopLayout SingleView(int width, int height, int dpi) {
    return LayOutDesktop({Monitor(ScreenRect{0, 0, width, height}, dpi)});
}

}  // namespace velmora::renderer
