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

// Where the window keeps its picture over a run. A texture, unless the GL's
// swap copies by construction and a probe of the back buffer in the window's
// present layout found the last frame still there.
// Workaround for Windows' undefined back buffer after a swap (PFD_SWAP_COPY
// is only a hint, and the system switches between copying and flipping while
// a full-screen window runs: trails taking turns between two buffers would
// flicker). Only a software GL's back buffer is ever trusted, and even there
// the probe waits until the window is shown and a frame of its layout has
// been presented (a driver may not present a window that is not shown, and
// its back buffer then seems kept), and is asked again after every change of
// layout.
class TrailKeepingChoice {
  public:
    explicit TrailKeepingChoice(bool swap_copies) : swap_copies_(swap_copies) {}

    TrailKeeping Keeping() const {
        return back_buffer_kept_ ? TrailKeeping::BackBuffer : TrailKeeping::Texture;
    }
    bool ProbeDue(bool window_shown) const;
    void FramePresented() { frame_presented_ = true; }
    // What the probe found: whether the back buffer held the last frame.
    void Probed(bool back_buffer_kept);
    // The window took a new layout: back to the texture until probed again.
    void LayoutChanged();

  private:
    bool swap_copies_;
    bool probed_ = false;
    bool frame_presented_ = false;
    bool back_buffer_kept_ = false;
};

}  // namespace velmora::renderer
