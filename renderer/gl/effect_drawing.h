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
enum class FrameKeeping { texture, back_buffer };

// The effect's instances and the GL state they are drawn with. Every call
// needs the GL context current.
class EffectDrawing {
  public:
    // GL state set-up; ends by creating the instances (drawing from random15).
    // Without memory for the instances the screen stays black.
    void set_up(const ClientRect& client, const EffectParameters& parameters,
                FrameKeeping keeping = FrameKeeping::texture);
    // One frame up to the flush: darken the previous picture, then update and
    // draw every instance. The caller swaps the buffers.
    void draw_frame();
    // Frees the instances and the GL objects made at set-up.
    void tear_down();

    std::vector<EffectInstance>& instances() { return instances_; }
    const ViewGeometry& view() const { return view_; }

  private:
    void fade_previous_frame() const;

    EffectParameters parameters_;
    EffectGains gains_;
    ViewGeometry view_;
    std::vector<EffectInstance> instances_;
    FrameKeeper keeper_;
};

// One frame of simulation for one instance, then its samples drawn.
void update_and_draw(EffectInstance& instance, const EffectParameters& parameters,
                     const EffectGains& gains);

// Every sample of the ring as one soft point whose size grows with its depth.
void draw_points(const EffectInstance& instance, float point_gain);

// The point size of a sample at depth z.
float point_size_at(float z, float point_gain);

}  // namespace velmora::renderer
