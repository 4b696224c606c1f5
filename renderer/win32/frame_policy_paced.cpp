#include "renderer/win32/frame_policy.h"

namespace velmora::renderer {

const FramePolicy& frame_policy() {
    static const FramePolicy paced{true, nullptr, nullptr};
    return paced;
}

}  // namespace velmora::renderer
