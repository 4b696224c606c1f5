#pragma once
// Where the picture is kept from one frame to the next, so the points leave trails.

namespace velmora::renderer {

// Where a picture is kept from one frame to the next.
enum class TrailKeeping {
    Texture,     // a texture of our own, whatever the driver leaves in the back buffer
    BackBuffer,  // the back buffer, where it is known to survive the swap
    None,        // nowhere: every frame starts from black, without trails
};

// Where one view keeps its picture when `chosen` is the keeping of the whole
// window: its texture where it has one; the back buffer where that was
// chosen; else nowhere, as a back buffer that is not kept would make the
// trails flicker.
TrailKeeping TrailKeepingOfView(TrailKeeping chosen, bool texture_ready);

// Whether to probe the back buffer now: once, after the window is on the
// screen and a frame has been presented in it (a driver may not present a
// window that is not shown, and its back buffer then seems to be kept).
bool BackBufferProbeDue(bool probed, bool window_shown, bool frame_presented);

}  // namespace velmora::renderer
