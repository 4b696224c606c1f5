#pragma once

#include <vector>

#include "renderer/core/effect_instance.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/view_geometry.h"
#include "renderer/gl/frame_keeper.h"

namespace velmora::renderer {

// The window's client rectangle, in the platform's terms.
struct ClientRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where the picture is kept from one frame to the next: in a texture of our
// own (whatever the driver leaves in the back buffer), or in the back buffer
// itself where it is known to survive (a single-buffered surface).
enum class FrameKeeping { Texture, BackBuffer };

// The effect's instances and the GL state they are drawn with. Every call
// needs the GL context current.
class EffectDrawing {
  public:
    // GL state set-up; ends by creating the instances, drawing from
    // `random`, which then serves the respawns. Without memory for the
    // instances the screen stays black.
    void SetUp(const ClientRect& client, const EffectParameters& parameters, Random15 random,
               FrameKeeping keeping = FrameKeeping::Texture);
    // One frame up to the flush: darken the previous picture, then update and
    // draw every instance. The caller swaps the buffers.
    void DrawFrame();
    // Frees the instances and the GL objects made at set-up.
    void TearDown();

    std::vector<EffectInstance>& Instances() { return instances_; }
    const ViewGeometry& View() const { return view_; }

  private:
    void FadePreviousFrame() const;

    EffectParameters parameters_;
    EffectGains gains_;
    ViewGeometry view_;
    Random15 random_;
    std::vector<EffectInstance> instances_;
    FrameKeeper keeper_;
};

// One frame of simulation for one instance, then its samples drawn.
void UpdateAndDraw(EffectInstance& instance, const EffectParameters& parameters,
                   const EffectGains& gains, Random15& random);

// Every sample of the ring as one soft point whose size grows with its depth.
void DrawPoints(const EffectInstance& instance, float point_gain);

// The point size of a sample at depth z.
float PointSizeAt(float z, float point_gain);

}  // namespace velmora::renderer
