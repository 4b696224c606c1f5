#pragma once

namespace velmora::renderer {

// Where a view's picture is carried from one frame to the next.
enum class TrailSource {
    Texture,     // a texture of our own, whatever the driver does
    BackBuffer,  // the back buffer, where it is known to survive the swap
    None,        // nowhere: every frame starts from black, without trails
};

// The texture where there is one; else the back buffer where the probe found
// that it survives a swap; else no trails at all, as a back buffer that is
// not kept would make them flicker.
TrailSource TrailSourceFor(bool texture_ready, bool back_buffer_kept);

// Whether to probe the back buffer now: once, after the window is on the
// screen and a frame has been presented in it (a driver may not present a
// window that is not shown, and its back buffer then seems to be kept).
bool BackBufferProbeDue(bool probed, bool window_shown, bool frame_presented);

}  // namespace velmora::renderer
