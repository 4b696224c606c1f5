#pragma once
// Reading the text replies of media commands.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "text/core/cp932_string.h"

namespace velmora::music {

// The characters of `buffer` before its first NUL (all of it when there is none).
text::Cp932String ReplyText(const char* buffer, std::size_t size);

// True when the upper-cased text contains "ERR": how callers recognise a
// failed query. Double-byte code-page-932 characters are skipped whole, so
// their second bytes are never mistaken for letters.
bool HasErrorMark(text::Cp932View reply);

// True when the first seven characters of the buffer, NULs included, are the
// seven-letter mode word (MCI's "stopped" and "playing").
template <std::size_t N>
bool ModeIs(const std::array<char, N>& buffer, const char (&mode)[8]) {
    static_assert(N >= 7, "a mode buffer holds at least seven characters");
    return std::memcmp(buffer.data(), mode, 7) == 0;
}

}  // namespace velmora::music
