#pragma once
// Decimal numbers in texts: the argument text's window number, the stored
// settings, the dialog's track box, the drive's track replies and the button's
// stored whole numbers all read them here.

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace velmora::text {

// A decimal number (sign, digits, point, exponent) read from the front of a
// text with every blank, tab and line feed skipped; 0 when none is there.
double ReadNumberFromFront(std::string_view text);

// The whole text as a decimal number, blanks and tabs around it allowed;
// nothing when the text is anything else.
std::optional<double> ParseWholeNumber(std::string_view text);

// The whole text as a whole decimal number: blanks and tabs around it, an
// optional sign and digits. Nothing for anything else, or beyond 64 bits.
std::optional<std::int64_t> ParseWholeInteger(std::string_view text);

// The value when `Int` holds it; nothing otherwise.
template <typename Int>
std::optional<Int> Narrowed(std::optional<std::int64_t> value) {
    if (!value || *value < std::numeric_limits<Int>::min() ||
        *value > std::numeric_limits<Int>::max()) {
        return std::nullopt;
    }
    return static_cast<Int>(*value);
}

}  // namespace velmora::text
