// The measuring host: Velmora.dll's own code with frames left unpaced (no
// swap interval, no pacer). Its frames are read from the count every
// renderer publishes (velmora_probe frames).
#include "renderer/win32/frame_policy.h"

namespace velmora::renderer {

const FramePolicy& ProgramFramePolicy() {
    static const FramePolicy kUnpaced{false};
    return kUnpaced;
}

}  // namespace velmora::renderer
