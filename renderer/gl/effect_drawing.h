#pragma once
// The effect drawn with OpenGL 1.1 into every monitor's view.

#include <cstddef>
#include <vector>

#include "renderer/core/desktop_layout.h"
#include "renderer/core/effect_instance.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/frame_clock.h"
#include "renderer/core/point_batch.h"
#include "renderer/gl/trail_texture.h"
#include "renderer/gl/soft_points.h"

namespace velmora::renderer {

// The effect's instances and the GL state they are drawn with: one
// simulation, drawn into the view of every monitor. Every call needs the GL
// context current.
class EffectDrawing {
  public:
    // GL state set-up; ends by creating the instances, drawing from
    // `random`, which then serves the respawns. Without memory for the
    // instances the screen stays black. Points are drawn as the GL's smooth
    // points, as far as its sizes go, only where `round_smooth_points`;
    // otherwise every point is a textured disc.
    void SetUp(const DesktopLayout& layout, const EffectParameters& parameters, Random15 random,
               TrailKeeping keeping = TrailKeeping::Texture, bool round_smooth_points = true);
    // One frame up to the flush: move every instance on by the frame's step,
    // then in every view darken the previous picture by the step's darkening
    // and draw the instances. The caller swaps the buffers.
    void DrawFrame(const FrameStep& step);
    // A frame of one sixtieth of a second, darkened as tuned.
    void DrawFrame() { DrawFrame(FrameStep{1.0f, gains_.darkening_per_step, 1.0f}); }
    // Keeps the picture where `keeping` says from now on; the picture so far
    // is carried over.
    void ChangeKeeping(TrailKeeping keeping);
    // Draws into the views of a new layout of the window from the next frame
    // on, keeping the picture where `keeping` says; the effect goes on, its
    // trails start again from black.
    void ChangeLayout(const DesktopLayout& layout, TrailKeeping keeping);
    // Frees the instances and the GL objects made at set-up.
    void TearDown();

    std::vector<EffectInstance>& Instances() { return instances_; }
    // The gains derived from the parameters at set-up.
    const EffectGains& Gains() const { return gains_; }

  private:
    void DrawView(std::size_t index, float darkening);
    void MakeTrailTextures();

    EffectParameters parameters_;
    EffectGains gains_;
    Random15 random_;
    std::vector<MonitorView> views_;
    TrailKeeping keeping_ = TrailKeeping::Texture;
    std::vector<TrailTexture> trail_textures_;  // one per view, when the texture keeps the picture
    std::vector<EffectInstance> instances_;
    PointBatch batch_;
    SoftPoints soft_points_;
};

}  // namespace velmora::renderer
