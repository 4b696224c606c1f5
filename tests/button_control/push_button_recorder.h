#pragma once
// Collects what a PushButton asks its shell to do, event after event.

#include <string>
#include <vector>

#include "button_control/core/push_button.h"

namespace velmora::button_control {

struct ReactionRecorder {
    // Takes one event's reaction.
    void operator()(const ButtonReaction& reaction) {
        if (reaction.paint) {
            paints.push_back(reaction.paint->picture);
            last_plan = *reaction.paint;
        }
        if (reaction.changed_property != nullptr) {
            changed.emplace_back(reaction.changed_property);
        }
        redraws += reaction.redraw ? 1 : 0;
        clicks += reaction.click ? 1 : 0;
        hand_ons += reaction.hand_on_focus ? 1 : 0;
        poll_started = poll_started || reaction.start_mouse_poll;
    }

    void Clear() { *this = ReactionRecorder{}; }

    std::vector<StatePicture> paints;
    FacePlan last_plan;
    std::vector<std::string> changed;
    int redraws = 0;
    int clicks = 0;
    int hand_ons = 0;  // times the focus was handed on
    bool poll_started = false;
};

}  // namespace velmora::button_control
