#include "renderer/core/frame_budget.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora::renderer {
namespace {

constexpr int kDefaultRefreshHz = 60;
constexpr double kAimedRate = 60.0;
constexpr double kLeastRate = 50.0;
constexpr double kEnergySaverRate = 30.0;
constexpr double kRemoteSessionRate = 20.0;
// "About" a ceiling: a rate this much above it still counts (61 Hz / 2).
constexpr double kCeilingSlack = 1.05;

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int FastestRefreshShowing(const FrameConditions& conditions) {
    int fastest = 0;
    for (const MonitorRefresh& monitor : conditions.monitors) {
        if (Overlaps(monitor.area, conditions.picture)) {
            fastest =
                std::max(fastest, monitor.refresh_hz > 1 ? monitor.refresh_hz : kDefaultRefreshHz);
        }
    }
    return fastest > 0 ? fastest : kDefaultRefreshHz;
}

// The whole n that brings the rate nearest the aim without going under the
// least rate (every refresh where even two would).
int NearestToAim(double refresh_hz) {
    int best = 1;
    for (int n = 2; refresh_hz / n >= kLeastRate; ++n) {
        if (std::abs(refresh_hz / n - kAimedRate) < std::abs(refresh_hz / best - kAimedRate)) {
            best = n;
        }
    }
    return best;
}

// The least whole n that keeps the rate at about the ceiling or under it.
int AtMost(double refresh_hz, double ceiling) {
    return std::max(1, static_cast<int>(std::ceil(refresh_hz / (ceiling * kCeilingSlack))));
}

}  // namespace

FrameBudget FrameBudgetFor(const FrameConditions& conditions) {
    const double refresh_hz = FastestRefreshShowing(conditions);
    int n = NearestToAim(refresh_hz);
    if (conditions.energy_saver) {
        n = std::max(n, AtMost(refresh_hz, kEnergySaverRate));
    }
    if (conditions.remote_session) {
        n = std::max(n, AtMost(refresh_hz, kRemoteSessionRate));
    }
    return FrameBudget{n, std::llround(n * 1e6 / refresh_hz)};
}

FrameBudgetFollower::FrameBudgetFollower(FrameConditions start)
    : conditions_(std::move(start)),
      status_saver_(conditions_.energy_saver),
      budget_(FrameBudgetFor(conditions_)) {}

bool FrameBudgetFollower::MonitorsChanged(std::vector<MonitorRefresh> monitors,
                                          ScreenRect picture) {
    conditions_.monitors = std::move(monitors);
    conditions_.picture = picture;
    return Reconsider();
}

bool FrameBudgetFollower::PowerStatusTold(bool energy_saver) {
    status_saver_ = energy_saver;
    return Reconsider();
}

bool FrameBudgetFollower::PowerModeTold(bool energy_saver) {
    mode_saver_ = energy_saver;
    return Reconsider();
}

bool FrameBudgetFollower::SessionTold(bool remote) {
    conditions_.remote_session = remote;
    return Reconsider();
}

bool FrameBudgetFollower::Reconsider() {
    conditions_.energy_saver = status_saver_ || mode_saver_;
    const FrameBudget budget = FrameBudgetFor(conditions_);
    const bool changed = budget.refreshes_per_frame != budget_.refreshes_per_frame ||
                         budget.frame_interval_us != budget_.frame_interval_us;
    budget_ = budget;
    return changed;
}

}  // namespace velmora::renderer
