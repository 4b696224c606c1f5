#pragma once
// What the system's notifications tell of the frame budget's conditions.

#include <cstdint>

#include "renderer/core/frame_budget.h"

namespace velmora::renderer {

// The effective power modes (version 1 of the notification) that save
// energy: the battery saver, which Windows 11's energy saver at high savings
// stands for, and better battery, which stands for its standard savings and
// for the power mode "best power efficiency".
namespace power_mode {
inline constexpr uint32_t kBatterySaver = 0;
inline constexpr uint32_t kBetterBattery = 1;
}  // namespace power_mode

// The news a notification brings, with what the platform said when it came.
enum class FrameNewsKind {
    PowerModeChanged,    // `value`: the effective power mode
    PowerStatusChanged,  // `value`: the power status's energy saver flag (1: on)
    PowerSavingChanged,  // `value`: the energy saver setting's new value (non-zero: on)
    SessionChanged,      // `value`: non-zero in a session from another machine
};

struct FrameNews {
    FrameNewsKind kind = FrameNewsKind::SessionChanged;
    uint32_t value = 0;
};

// What to do with the notification: re-time the frames when the budget
// changed; answer it with `answer` where it told only this.
struct FrameNewsAnswer {
    bool budget_changed = false;
    bool answered = false;
    intptr_t answer = 0;
};

// Takes the news into the follower. The energy saver has two sources, the
// power status (its flag, or its setting's notification) and the effective
// power mode; it is on while either says so. A program told the energy saver
// is on (the measuring host) keeps it on whatever the power status says.
FrameNewsAnswer TakeFrameNews(const FrameNews& news, bool saver_told_on,
                              FrameBudgetFollower& follower);

// Whether the power status's energy saver flag says the saver is on.
bool PowerStatusSavesEnergy(uint32_t flag, bool saver_told_on);

}  // namespace velmora::renderer
