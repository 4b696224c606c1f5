#pragma once
// What the frame budget depends on, as Windows tells it: the energy saver and the session.

#include <windows.h>

#include <vector>

#include "renderer/core/frame_budget.h"
#include "renderer/core/frame_condition_news.h"

namespace velmora::renderer {

// The conditions now: the monitors given, the energy saver as the power
// status tells it (the effective power mode comes through its notification),
// the session.
FrameConditions CurrentFrameConditions(std::vector<Monitor> monitors, const ScreenRect& picture);

// Asks the platform to tell the window when the energy saver goes on or off:
// the power status's notification and, from Windows 10 1809 on, the effective
// power mode's. Unregister stops that before the window goes.
class EnergySaverNotifications {
  public:
    void Register(HWND window);
    void Unregister();

  private:
    HPOWERNOTIFY power_saving_ = nullptr;
    void* power_mode_ = nullptr;
};

// Takes what the message tells of the energy saver or the session into the
// follower.
FrameNewsAnswer FollowFrameConditions(UINT message, WPARAM wparam, LPARAM lparam,
                                      FrameBudgetFollower& follower);

}  // namespace velmora::renderer
