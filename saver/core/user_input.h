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

// How long after a small movement of the cursor a change of the last-input
// time is still taken for that movement: the platform may tell the cursor's
// new place before it counts the movement as input (Wine does, once the
// program under the cursor has taken the movement in).
inline constexpr std::uint64_t kMovementEchoMs = 500;

// Tells input from one look at the platform's signs to the next, by the
// renderer's own rules: the cursor moved more than contract::kMouseJitterPixels
// (contract::MovedByUser), or the last-input time moved on with the cursor
// still, and still since kMovementEchoMs (a key, a button, the wheel). A
// smaller movement is jitter, not input, and the next look is measured from
// where it went. Without a cursor in either look the last-input time alone
// tells.
class InputWatch {
  public:
    // Takes `look` as where the next look is measured from, judging nothing.
    void Follow(const InputSight& look, std::uint64_t now_ms);
    // Whether the user gave input since the look before; `look` is then the
    // one the next is measured from.
    bool Judge(const InputSight& look, std::uint64_t now_ms);

  private:
    InputSight last_;
    std::optional<std::uint64_t> moved_ms_;  // the last look that found the cursor moved
};

}  // namespace velmora::saver
