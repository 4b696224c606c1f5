#pragma once
// A CommandSite that records what the control asks of its platform.

#include <string>
#include <vector>

#include "button_control/core/command.h"
#include "button_control/core/command_site.h"

namespace velmora::button_control {

class RecordingSite : public CommandSite {
  public:
    void PaintFace(const FacePlan& plan) override {
        paints.push_back(plan.picture);
        last_plan = plan;
    }
    void Redraw() override { ++redraws; }
    void StartTimer(int interval_ms) override { timer_interval = interval_ms; }
    void RaiseClick() override { ++clicks; }
    void PropertyChanged(const char* name) override { changed.emplace_back(name); }
    Font AmbientFont() override { return ambient; }
    PixelSize ClientSize() override { return size; }

    // Forgets what happened so far.
    void Clear() {
        paints.clear();
        changed.clear();
        clicks = 0;
        redraws = 0;
    }

    std::vector<StatePicture> paints;
    FacePlan last_plan;
    std::vector<std::string> changed;
    int clicks = 0;
    int redraws = 0;
    int timer_interval = 0;  // 0: never started
    Font ambient = DesignedFont();
    PixelSize size{117, 25};
};

}  // namespace velmora::button_control
