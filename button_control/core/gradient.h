#pragma once
// The two colours of the face's vertical gradient. They are kept as
// hexadecimal texts and read pair by pair from the left as red, green, blue,
// each pair p becoming the 16-bit channel p x 256: "&HC6C5D7" is lavender grey
// RGB(198, 197, 215), not the blue-green-red reading RGB(215, 197, 198).

#include <cstdint>
#include <string>

namespace velmora::button_control {

inline constexpr char kLavenderGreyText[] = "&HC6C5D7";
inline constexpr char kWhiteText[] = "&HFFFFFF";

// A gradient vertex colour: 16 bits a channel, as the platform's gradient fill takes it.
struct Rgb16 {
    std::uint16_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb16& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

// The text is turned into a number and back into hexadecimal digits; a pair
// that is missing (fewer than six digits) reads as 0.
Rgb16 ReadGradientColour(const std::string& text);

struct GradientColours {
    Rgb16 top;
    Rgb16 bottom;
};

// HoverGradient True: lavender grey at the top, white at the bottom; otherwise
// white at the top and lavender grey at the bottom.
GradientColours GradientFor(bool hover_gradient);

}  // namespace velmora::button_control
