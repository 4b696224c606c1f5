#pragma once
// Reading the platform's request from the program's argument text.

#include <cstdint>

#include "text/core/cp932_string.h"

namespace velmora::saver {

// The argument text: the command line after the program's path (quoted or
// not), without the blanks that separate the two.
text::Cp932String ArgumentText(text::Cp932View command_line);

// The upper-cased character at position 2 of the argument text (code page
// 932 characters counted), or '\0' when the text is shorter or a two-byte
// character stands there. Only 'S', 'C' and 'P' mean anything.
char ModeLetter(text::Cp932View argument_text);

// The preview host's window number: the text from character 4 on, read as a
// number from its front, rounded to the nearest integer; 0 when there is no
// number there or it does not fit a signed 32-bit integer.
std::int32_t PreviewHostHandle(text::Cp932View argument_text);

}  // namespace velmora::saver
