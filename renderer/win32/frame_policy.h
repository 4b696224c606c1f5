#pragma once
// How the program's frames are timed: paced in Velmora.dll, free in the measuring host.

namespace velmora::renderer {

// How frames are timed. The shipped renderer ties them to the display's
// refresh; the measuring host built beside it lets them run free. Both count
// their frames in the same published block (frame_counter.h). Each program
// links exactly one definition of ProgramFramePolicy().
struct FramePolicy {
    bool paced = true;
};

const FramePolicy& ProgramFramePolicy();

}  // namespace velmora::renderer
