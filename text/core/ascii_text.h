#pragma once
// Character rules shared by every text the programs read: blanks, digits and
// ASCII upper-casing (bytes beyond ASCII are left as they are).

#include <string>
#include <string_view>

namespace velmora::text {

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text without the blanks and tabs at either end. (No lead byte of code
// page 932 is a blank, nor any second byte.)
inline std::string_view WithoutBlanksAround(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// One character in any width of unit: a to z upper-cased, every other left.
template <typename Unit>
Unit AsciiUpper(Unit unit) {
    return (unit >= Unit('a') && unit <= Unit('z')) ? static_cast<Unit>(unit - 'a' + 'A') : unit;
}

// An ASCII text in wider units: one unit a character.
template <typename Unit>
std::basic_string<Unit> AsciiWidened(std::string_view ascii) {
    return std::basic_string<Unit>(ascii.begin(), ascii.end());
}

}  // namespace velmora::text
