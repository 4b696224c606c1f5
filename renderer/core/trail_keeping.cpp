#include "renderer/core/trail_keeping.h"

namespace velmora::renderer {

TrailKeeping TrailKeepingOfView(TrailKeeping chosen, bool texture_ready) {
    if (texture_ready) {
        return TrailKeeping::Texture;
    }
    return chosen == TrailKeeping::BackBuffer ? TrailKeeping::BackBuffer : TrailKeeping::None;
}

bool BackBufferProbeDue(bool probed, bool window_shown, bool frame_presented) {
    return !probed && window_shown && frame_presented;
}

}  // namespace velmora::renderer
