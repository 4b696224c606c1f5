#pragma once
// What Velmora.scr sees of the user during a run. The renderer's window takes
// the input, but any program may ask the platform when the last input came
// and where the cursor is: enough to tell that the user wants the desktop
// back even when the renderer no longer answers.

#include <cstdint>
#include <optional>

#include "contract/screen_geometry.h"

namespace velmora::saver {

using contract::ScreenPoint;

// One look at the platform's signs of input.
struct InputSight {
    // When the last key, button, wheel turn or movement came, in the
    // platform's own 32-bit milliseconds: only ever compared for a change.
    std::uint32_t last_input_tick = 0;
    // Where the cursor is on the desktop; none when the platform would not say.
    std::optional<ScreenPoint> cursor;
};

// Whether the user gave input between two looks: the cursor moved more than
// contract::kMouseJitterPixels (city-block), or the last-input time moved on
// while the cursor stayed where it was (a key, a button, the wheel). A
// smaller movement is jitter, not input, and the next look is measured from
// where it went. Without a cursor in either look the last-input time alone
// tells.
bool InputBetween(const InputSight& before, const InputSight& now);

}  // namespace velmora::saver
