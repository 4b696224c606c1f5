#include "renderer/win32/frame_policy.h"

namespace velmora::renderer {

const FramePolicy& ProgramFramePolicy() {
    static const FramePolicy kPaced{true, false};
    return kPaced;
}

}  // namespace velmora::renderer
