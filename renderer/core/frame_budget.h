#pragma once
// How often the renderer draws: a frame every n refreshes of the fastest monitor showing it.

#include <cstdint>
#include <vector>

#include "renderer/core/desktop_layout.h"

namespace velmora::renderer {

// One monitor of the desktop and how often it refreshes (0 or 1: the
// hardware's default, taken as 60 Hz).
struct MonitorRefresh {
    ScreenRect area;
    int refresh_hz = 0;
};

// What the frame rate depends on.
struct FrameConditions {
    std::vector<MonitorRefresh> monitors;
    // Where the picture is shown: the monitors it overlaps show it.
    ScreenRect picture;
    bool energy_saver = false;
    // Every frame is encoded and sent over the network.
    bool remote_session = false;
};

// A frame every `refreshes_per_frame` refreshes (the swap interval), so each
// frame stays on the screen equally long; `frame_interval_us` is that time,
// for a pacer where the driver does not tie the swap to the refresh.
struct FrameBudget {
    int refreshes_per_frame = 1;
    int64_t frame_interval_us = 0;
};

// The budget follows the fastest monitor showing the picture, which would
// otherwise show some frames longer than others. Near 60 frames a second and
// not under 50 (120 Hz: every 2nd refresh, 144: 72 a second, 165: 55, 240: 60;
// up to 99 Hz every refresh); at most about 30 with the energy saver on, about
// 20 in a remote session.
FrameBudget FrameBudgetFor(const FrameConditions& conditions);

// The conditions as they change during a run. The energy saver is on where
// either the system's power status or its effective power mode says so.
class FrameBudgetFollower {
  public:
    explicit FrameBudgetFollower(FrameConditions start);

    // Each returns true when the budget changed.
    bool MonitorsChanged(std::vector<MonitorRefresh> monitors, ScreenRect picture);
    bool PowerStatusTold(bool energy_saver);
    bool PowerModeTold(bool energy_saver);
    bool SessionTold(bool remote);

    const FrameBudget& Budget() const { return budget_; }

  private:
    bool Reconsider();

    FrameConditions conditions_;
    bool status_saver_;
    bool mode_saver_ = false;
    FrameBudget budget_;
};

}  // namespace velmora::renderer
