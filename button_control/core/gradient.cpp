#include "button_control/core/gradient.h"

#include <cstdio>

#include "button_control/core/property_values.h"

namespace velmora::button_control {

namespace {

std::uint16_t Channel(const std::string& hex_digits, std::size_t pair) {
    const std::string digits = pair * 2 < hex_digits.size() ? hex_digits.substr(pair * 2, 2) : "";
    const auto value = ToInteger("&H" + digits + "00");
    return static_cast<std::uint16_t>(value ? *value : 0);
}

}  // namespace

Rgb16 ReadGradientColour(const std::string& text) {
    const auto number = ToInteger(text);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%X",
                  static_cast<unsigned>(static_cast<std::uint32_t>(number ? *number : 0)));
    return {Channel(digits, 0), Channel(digits, 1), Channel(digits, 2)};
}

GradientColours GradientFor(bool hover_gradient) {
    // Read from their texts once, not at every paint.
    static const Rgb16 kLavender = ReadGradientColour(kLavenderGreyText);
    static const Rgb16 kWhite = ReadGradientColour(kWhiteText);
    return hover_gradient ? GradientColours{kLavender, kWhite} : GradientColours{kWhite, kLavender};
}

}  // namespace velmora::button_control
