#pragma once
// Decimal numbers in texts: the argument text's window number, the stored
// settings and the dialog's track box all read them the same way.

#include <optional>
#include <string_view>

namespace velmora::text {

// A decimal number (sign, digits, point, exponent) read from the front of a
// text with every blank, tab and line feed skipped; 0 when none is there.
double ReadNumberFromFront(std::string_view text);

// The whole text as a decimal number, blanks and tabs around it allowed;
// nothing when the text is anything else.
std::optional<double> ParseWholeNumber(std::string_view text);

}  // namespace velmora::text
