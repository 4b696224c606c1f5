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

LONGLONG Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void CountFrame() {
    last_frame = Ticks();
    if (frames++ == 0) {
        first_frame = last_frame;
    }
}

void Report() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double seconds = static_cast<double>(last_frame - first_frame) / frequency.QuadPart;
    std::printf("frames=%ld seconds=%.2f fps=%.1f\n", frames, seconds,
                seconds > 0 ? (frames - 1) / seconds : 0.0);
    std::fflush(stdout);
}

}  // namespace

const FramePolicy& ProgramFramePolicy() {
    static const FramePolicy kUnpaced{false, CountFrame, Report};
    return kUnpaced;
}

}  // namespace velmora::renderer
