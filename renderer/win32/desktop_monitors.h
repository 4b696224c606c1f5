#pragma once
// The desktop's monitors as Windows lists them: where, at what DPI, at what refresh rate.

#include <vector>

#include "renderer/core/desktop_layout.h"

namespace velmora::renderer {

// Every monitor Windows lists now; none while it lists none (as during a
// change of the desktop).
std::vector<Monitor> ListedMonitors();

// The primary screen, as the system metrics tell it where no monitor is listed.
Monitor PrimaryScreen();

// The monitors listed, else the primary screen (MonitorsOrPrimary).
std::vector<Monitor> DesktopMonitors();

}  // namespace velmora::renderer
