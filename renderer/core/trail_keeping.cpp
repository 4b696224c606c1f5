#include "renderer/core/trail_keeping.h"

namespace velmora::renderer {

TrailSource TrailSourceFor(bool texture_ready, bool back_buffer_kept) {
    if (texture_ready) {
        return TrailSource::Texture;
    }
    return back_buffer_kept ? TrailSource::BackBuffer : TrailSource::None;
}

bool BackBufferProbeDue(bool probed, bool window_shown, bool frame_presented) {
    return !probed && window_shown && frame_presented;
}

}  // namespace velmora::renderer
