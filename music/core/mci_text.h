#pragma once
// Reading the text replies of media commands.

#include <string_view>

#include "text/core/cp932_string.h"

namespace velmora::music {

// True when the upper-cased text contains "ERR": how callers recognise a
// failed query. Double-byte code-page-932 characters are skipped whole, so
// their second bytes are never mistaken for letters.
bool HasErrorMark(text::Cp932View reply);

// True when the reply's first seven characters are the seven-letter mode word
// (MCI's "stopped" and "playing"), compared case-sensitively: a longer reply
// that starts with it matches too.
inline bool ModeIs(text::Cp932View reply, const char (&mode)[8]) {
    return reply.Bytes().substr(0, 7) == std::string_view(mode, 7);
}

}  // namespace velmora::music
