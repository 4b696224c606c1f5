#pragma once

#include <cstddef>
#include <vector>

#include "renderer/core/desktop_layout.h"
#include "renderer/core/effect_instance.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/frame_clock.h"
#include "renderer/gl/frame_keeper.h"

namespace velmora::renderer {

// Where the picture is kept from one frame to the next: in a texture of our
// own (whatever the driver leaves in the back buffer), or in the back buffer
// itself where it is known to survive the swap.
enum class FrameKeeping { Texture, BackBuffer };

// The effect's instances and the GL state they are drawn with: one
// simulation, drawn into the view of every monitor. Every call needs the GL
// context current.
class EffectDrawing {
  public:
    // GL state set-up; ends by creating the instances, drawing from
    // `random`, which then serves the respawns. Without memory for the
    // instances the screen stays black.
    void SetUp(const DesktopLayout& layout, const EffectParameters& parameters, Random15 random,
               FrameKeeping keeping = FrameKeeping::Texture);
    // One frame up to the flush: move every instance on by the frame's step
    // (one sixtieth of a second unless told), then in every view darken the
    // previous picture and draw the instances. The caller swaps the buffers.
    void DrawFrame(const FrameStep& step = FrameStep{});
    // Frees the instances and the GL objects made at set-up.
    void TearDown();

    std::vector<EffectInstance>& Instances() { return instances_; }

  private:
    void DrawView(std::size_t index, float fade_alpha, float light);

    EffectParameters parameters_;
    EffectGains gains_;
    Random15 random_;
    std::vector<MonitorView> views_;
    std::vector<FrameKeeper> keepers_;  // one per view, when the texture keeps the picture
    std::vector<EffectInstance> instances_;
};

// Every sample of the ring as one soft point whose size grows with its depth,
// its colour scaled by `light`.
void DrawPoints(const EffectInstance& instance, float point_gain, float light = 1.0f);

// The point size of a sample at depth z.
float PointSizeAt(float z, float point_gain);

}  // namespace velmora::renderer
