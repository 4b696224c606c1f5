#pragma once
// What the drawing may trust of the GL it runs on, told by the names the GL gives itself.

#include <string>

namespace velmora::renderer {

// The GL's own account of itself: its GL_VENDOR and GL_RENDERER strings.
struct GlIdentity {
    std::string vendor;
    std::string renderer;
};

// What the drawing may leave to the GL.
// Workaround for Windows' drivers, which promise neither: the back buffer is
// undefined after a swap (the system may switch between copying and flipping
// while the window runs), and how large and how round smooth points are is
// each driver's own affair (some draw squares).
struct GlTrust {
    // The swap copies the back buffer by construction, so a probe of the
    // back buffer may give it the kept picture.
    bool swap_copies = false;
    // Smooth points are round discs at every size the GL draws them.
    bool round_smooth_points = false;
};

// Both for the software GLs that draw in memory and copy to the window on
// every swap (Mesa's llvmpipe, Microsoft's GDI Generic); neither for any other.
GlTrust TrustOfGl(const GlIdentity& gl);

}  // namespace velmora::renderer
