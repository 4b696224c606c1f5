#include "renderer/core/frame_condition_news.h"

namespace velmora::renderer {
namespace {

bool PowerModeSavesEnergy(uint32_t mode) {
    return mode == power_mode::kBatterySaver || mode == power_mode::kBetterBattery;
}

}  // namespace

bool PowerStatusSavesEnergy(uint32_t flag, bool saver_told_on) {
    return saver_told_on || flag == 1;
}

FrameNewsAnswer TakeFrameNews(const FrameNews& news, bool saver_told_on,
                              FrameBudgetFollower& follower) {
    FrameNewsAnswer answer;
    switch (news.kind) {
        case FrameNewsKind::PowerModeChanged:
            // Our own message, posted from the system's callback.
            answer.budget_changed = follower.PowerModeTold(PowerModeSavesEnergy(news.value));
            answer.answered = true;
            break;
        case FrameNewsKind::PowerStatusChanged:
            // The power broadcast goes on to the system's default handling.
            answer.budget_changed =
                follower.PowerStatusTold(PowerStatusSavesEnergy(news.value, saver_told_on));
            break;
        case FrameNewsKind::PowerSavingChanged:
            answer.budget_changed = follower.PowerStatusTold(saver_told_on || news.value != 0);
            // A power setting's notification is answered as handled.
            answer.answered = true;
            answer.answer = 1;
            break;
        case FrameNewsKind::SessionChanged:
            // The session's news goes on to whether the picture is seen.
            answer.budget_changed = follower.SessionTold(news.value != 0);
            break;
    }
    return answer;
}

}  // namespace velmora::renderer
