#pragma once
// Keeping the picture from one frame to the next in a texture, and the probe of the back buffer.

#include <functional>

#include "renderer/core/trail_keeping.h"
#include "renderer/gl/gl_api.h"

namespace velmora::renderer {

// Asks the driver once: clears the back buffer to two dark levels, swapping
// (`swap`) after each, and reads what the back buffer holds afterwards. Only
// a back buffer that still holds the last frame keeps the picture
// (BackBuffer; else Texture); it is left cleared to black. Meant for a window
// on the screen that has been presented. Workaround (Windows' GL drivers): a
// driver may skip presenting a window that is not, and what a swap leaves in
// the back buffer is each driver's own.
TrailKeeping ProbeTrailKeeping(int width, int height, const std::function<void()>& swap);

// Keeps the accumulated picture in a texture between frames, so the trails do
// not depend on what the driver leaves in the back buffer after a swap.
class TrailTexture {
  public:
    // Makes the texture for a viewport of this size; without one (too large
    // for the GL, no memory) the picture is left to the back buffer.
    void Create(int x, int y, int width, int height);
    // Puts the kept picture back into the viewport, pixel for pixel, each
    // channel scaled by `kept` (1 keeps it as it was).
    void Restore(float kept) const;
    // Copies the viewport into the texture.
    void Keep() const;
    void Release();

    bool Active() const { return texture_ != 0; }

  private:
    GLuint texture_ = 0;
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    float s_max_ = 1.0f;
    float t_max_ = 1.0f;
};

}  // namespace velmora::renderer
