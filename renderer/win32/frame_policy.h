#pragma once
// How the program's frames are timed: paced in Velmora.dll, free in the measuring host.

namespace velmora::renderer {

// How frames are timed. The shipped renderer ties them to the display's
// refresh; the measuring host built beside it lets them run free and counts
// them. Each program links exactly one definition of ProgramFramePolicy().
struct FramePolicy {
    bool paced = true;
    void (*frame_drawn)() = nullptr;
    void (*loop_ended)() = nullptr;
};

const FramePolicy& ProgramFramePolicy();

}  // namespace velmora::renderer
