#pragma once
// What the button control needs from its platform: a face to paint, a timer,
// its container, and its own size. The Win32 shell implements it; tests record it.

#include <array>
#include <cstdint>

#include "button_control/core/face_geometry.h"
#include "button_control/core/font.h"
#include "button_control/core/gradient.h"

namespace velmora::button_control {

// The six state pictures, 64 x 25 pixels each.
enum class StatePicture { Normal, HighLight, HighLightSelect, Pressed, Disable, Selected };

// One repaint of the persistent face: clear it to the background colour, fill
// the vertical gradient from (0, 0) to `gradient_end` (exclusive, in pixels),
// copy the eight frame pieces of `picture`, then show the face.
struct FacePlan {
    StatePicture picture = StatePicture::Normal;
    GradientColours gradient;
    int gradient_end_x = 0, gradient_end_y = 0;
    std::array<PieceCopy, 8> pieces{};
};

struct PixelSize {
    int width = 0, height = 0;
};

class CommandSite {
  public:
    virtual ~CommandSite() = default;

    virtual void PaintFace(const FacePlan& plan) = 0;
    // The caption label or the background style changed: show the control again.
    virtual void Redraw() = 0;
    // Starts (or restarts) the mouse-poll timer TmrMouse.
    virtual void StartTimer(int interval_ms) = 0;
    // The control's one event, to its container.
    virtual void RaiseClick() = 0;
    // Tells the container that a stored property changed ("Enabled", "Caption", ...).
    virtual void PropertyChanged(const char* name) = 0;
    // The container's font, the default of the stored "Font".
    virtual Font AmbientFont() = 0;
    // The control's client area.
    virtual PixelSize ClientSize() = 0;
};

}  // namespace velmora::button_control
