#pragma once
// What the frame budget depends on, as Windows tells it: refresh rates, energy saver, session.

#include <windows.h>

#include <vector>

#include "renderer/core/frame_budget.h"

namespace velmora::renderer {

// Every monitor of the desktop with its current refresh rate; the primary
// screen's where the monitors cannot be told.
std::vector<MonitorRefresh> MonitorRefreshRates();

// The conditions now, the energy saver as the power status tells it (the
// effective power mode comes through its notification).
FrameConditions CurrentFrameConditions(const ScreenRect& picture);

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

// What a message told of the energy saver or the session.
struct FrameConditionNews {
    bool budget_changed = false;
    // The message told only this and is answered with `answer`.
    bool answered = false;
    LRESULT answer = 0;
};

// Takes what the message tells of the energy saver or the session into the
// follower.
FrameConditionNews FollowFrameConditions(UINT message, WPARAM wparam, LPARAM lparam,
                                         FrameBudgetFollower& follower);

}  // namespace velmora::renderer
