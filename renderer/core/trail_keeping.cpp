#include "renderer/core/trail_keeping.h"

namespace velmora::renderer {

TrailKeeping TrailKeepingOfView(TrailKeeping chosen, bool texture_ready) {
    if (texture_ready) {
        return TrailKeeping::Texture;
    }
    return chosen == TrailKeeping::BackBuffer ? TrailKeeping::BackBuffer : TrailKeeping::None;
}

bool TrailKeepingChoice::ProbeDue(bool window_shown) const {
    return swap_copies_ && !probed_ && window_shown && frame_presented_;
}

void TrailKeepingChoice::Probed(bool back_buffer_kept) {
    probed_ = true;
    back_buffer_kept_ = swap_copies_ && back_buffer_kept;
}

void TrailKeepingChoice::LayoutChanged() {
    probed_ = false;
    frame_presented_ = false;
    back_buffer_kept_ = false;
}

}  // namespace velmora::renderer
