#pragma once
// How often the renderer draws: a frame every n refreshes of the fastest monitor showing it.

#include <cstdint>
#include <vector>

#include "renderer/core/desktop_layout.h"

namespace velmora::renderer {

// What the frame rate depends on.
struct FrameConditions {
    std::vector<Monitor> monitors;
    // Where the picture is shown: the monitors it overlaps show it.
    ScreenRect picture;
    bool energy_saver = false;
    // Every frame is encoded and sent over the network.
    bool remote_session = false;
};

// A frame every `refreshes_per_frame` refreshes of the fastest monitor
// showing the picture, so each frame stays on the screen equally long;
// `frame_interval_us` is that time, which the pacer keeps to. The swap waits
// for `swap_interval` refreshes where the driver can tie it to them: all of
// them on monitors of one rate, at most one where the rates differ.
struct FrameBudget {
    int refreshes_per_frame = 1;
    int swap_interval = 1;
    int64_t frame_interval_us = 0;

    bool operator==(const FrameBudget& other) const {
        return refreshes_per_frame == other.refreshes_per_frame &&
               swap_interval == other.swap_interval && frame_interval_us == other.frame_interval_us;
    }
    bool operator!=(const FrameBudget& other) const { return !(*this == other); }
};

// The budget follows the fastest monitor showing the picture, which would
// otherwise show some frames longer than others. Near 60 frames a second and
// not under 50 (120 Hz: every 2nd refresh, 144: 72 a second, 165: 55, 240: 60;
// up to 99 Hz every refresh); at most about 30 with the energy saver on, about
// 20 in a remote session.
//
// Workaround for Windows' compositor: a window over monitors of different
// rates is composed, and its swap counts the refreshes of one of them, which
// may be the slowest (a swap interval of 2 meant for 144 Hz gives 30 frames a
// second where it counts a 60 Hz monitor's). There the swap waits for one
// refresh at most and the pacer alone holds frames to the budget.
FrameBudget FrameBudgetFor(const FrameConditions& conditions);

// The conditions as they change during a run. The energy saver is on where
// either the system's power status or its effective power mode says so.
class FrameBudgetFollower {
  public:
    explicit FrameBudgetFollower(FrameConditions start);

    // Each returns true when the budget changed.
    bool MonitorsChanged(std::vector<Monitor> monitors, ScreenRect picture);
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
