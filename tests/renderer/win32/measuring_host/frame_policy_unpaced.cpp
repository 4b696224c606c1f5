// The measuring host: Velmora.dll's own code with frames left unpaced (no
// swap interval, no pacer), counting the frames it draws. At the end it
// prints "frames=N seconds=S fps=F" on its standard output.
#include <windows.h>

#include <cstdio>

#include "renderer/win32/frame_policy.h"

namespace velmora::renderer {
namespace {

LONGLONG first_frame = 0;
LONGLONG last_frame = 0;
long frames = 0;

LONGLONG ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void count_frame() {
    last_frame = ticks();
    if (frames++ == 0) {
        first_frame = last_frame;
    }
}

void report() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double seconds = static_cast<double>(last_frame - first_frame) / frequency.QuadPart;
    std::printf("frames=%ld seconds=%.2f fps=%.1f\n", frames, seconds,
                seconds > 0 ? (frames - 1) / seconds : 0.0);
    std::fflush(stdout);
}

}  // namespace

const FramePolicy& frame_policy() {
    static const FramePolicy unpaced{false, count_frame, report};
    return unpaced;
}

}  // namespace velmora::renderer
