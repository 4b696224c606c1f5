#pragma once

namespace velmora::renderer {

// Takes the renderer's running lock of this log-on session and holds it until
// the process ends; false when another renderer holds it. Velmora.scr finds a
// running renderer by this lock, also before its window is up.
bool TakeRunningLock();

}  // namespace velmora::renderer
