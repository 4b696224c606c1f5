#pragma once
// How the program's frames are timed: paced in Velmora.dll, as told in the measuring host.

namespace velmora::renderer {

// How frames are timed. The shipped renderer keeps to the frame budget of the
// monitors, the energy saver and the session as the system tells them; the
// measuring host built beside it lets frames run free, or keeps to the budget
// with the energy saver taken as on, as its command line says. Both count
// their frames in the same published block (frame_counter.h). Each program
// links exactly one definition of ProgramFramePolicy().
struct FramePolicy {
    bool paced = true;
    // The energy saver counts as on whatever the system says.
    bool energy_saver = false;
};

const FramePolicy& ProgramFramePolicy();

}  // namespace velmora::renderer
