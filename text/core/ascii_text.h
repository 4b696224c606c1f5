#pragma once
// Character rules shared by every text the programs read: blanks, digits and
// ASCII upper-casing (bytes beyond ASCII are left as they are).

namespace velmora::text {

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace velmora::text
