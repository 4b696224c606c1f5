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

int RefreshOf(const Monitor& monitor) {
    return monitor.refresh_hz > 1 ? monitor.refresh_hz : kDefaultRefreshHz;
}

// The refresh rates of the monitors showing the picture: the fastest and
// whether any differs from it.
struct RatesShowing {
    int fastest = 0;
    bool mixed = false;
};

RatesShowing RatesShowingPicture(const FrameConditions& conditions) {
    RatesShowing rates;
    int slowest = 0;
    for (const Monitor& monitor : conditions.monitors) {
        if (Overlaps(monitor.area, conditions.picture)) {
            const int hz = RefreshOf(monitor);
            rates.fastest = std::max(rates.fastest, hz);
            slowest = slowest == 0 ? hz : std::min(slowest, hz);
        }
    }
    if (rates.fastest == 0) {
        rates.fastest = kDefaultRefreshHz;
    }
    rates.mixed = slowest != 0 && slowest != rates.fastest;
    return rates;
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
    const RatesShowing rates = RatesShowingPicture(conditions);
    const double refresh_hz = rates.fastest;
    int n = NearestToAim(refresh_hz);
    if (conditions.energy_saver) {
        n = std::max(n, AtMost(refresh_hz, kEnergySaverRate));
    }
    if (conditions.remote_session) {
        n = std::max(n, AtMost(refresh_hz, kRemoteSessionRate));
    }
    return FrameBudget{n, rates.mixed ? 1 : n, std::llround(n * 1e6 / refresh_hz)};
}

FrameBudgetFollower::FrameBudgetFollower(FrameConditions start)
    : conditions_(std::move(start)),
      status_saver_(conditions_.energy_saver),
      budget_(FrameBudgetFor(conditions_)) {}

bool FrameBudgetFollower::MonitorsChanged(std::vector<Monitor> monitors, ScreenRect picture) {
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
    const bool changed = budget != budget_;
    budget_ = budget;
    return changed;
}

}  // namespace velmora::renderer
