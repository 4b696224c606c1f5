#pragma once
// The track box's text: how a track number is shown and how the text the
// user leaves in the box becomes the track to repeat.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/core/cp932_string.h"

namespace velmora::settings_dialog {

// A track number with the pattern "##": 0 gives the empty text, 7 gives "7".
text::Cp932String TrackText(std::int32_t track);

// The 31 entries of the track list: "", "1", ..., "30".
std::vector<text::Cp932String> TrackListEntries();

// The track to repeat for a text: when the whole text (blanks around it
// allowed) reads as a decimal number, that number rounded to the nearest whole
// number, halves to even; 0 for any other text and for numbers that do not fit
// a signed 16-bit value. Full-width digits count as the digits they are.
std::int16_t RepeatTrackFromText(text::Cp932View text);

}  // namespace velmora::settings_dialog
