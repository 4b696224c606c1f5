#pragma once
// The private-profile (INI) format read and written over a file's bytes, the
// way the platform's profile functions read it: "[section]" lines, then
// "key=value" lines. Working on bytes keeps code page 932 keys and values as
// they are on every system code page; a file that starts with a byte-order
// mark is UTF-16 or UTF-8 text and stays so.
//
// Each key read, and each key a write sets, walks the file once: a damaged
// file costs no more than a sound one of the same length.

#include <string>
#include <string_view>
#include <vector>

#include "text/core/cp932_string.h"

namespace velmora::settings {

// How a settings file keeps its text: code page 932 bytes, or after a
// byte-order mark UTF-16 (FF FE, little-endian) or UTF-8 (EF BB BF).
enum class IniEncoding { Cp932, Utf16, Utf8 };

IniEncoding EncodingOf(std::string_view file);

// Code page 932 and UTF-8 texts to UTF-16 and back, as the platform converts
// them (a character the target cannot hold becomes "?").
class TextCodec {
  public:
    virtual ~TextCodec() = default;
    virtual std::u16string FromCp932(text::Cp932View text) = 0;
    virtual std::u16string FromUtf8(text::Utf8View text) = 0;
    virtual text::Cp932String ToCp932(std::u16string_view text) = 0;
    virtual text::Utf8String ToUtf8(std::u16string_view text) = 0;
};

// The value under the key in the section, whole, in code page 932; "" when
// either is missing. As the platform reads: a "[" line is a section header up
// to its last "]" (without one it is an ordinary line); a key line's name
// ends at its first "=" (a line without one is a key without a value); the
// first section of a name and its first key of a name count; names match
// whatever the case of their ASCII letters; blanks and control spaces around
// names and values are dropped, a NUL ends a name or value, and one pair of
// enclosing quotes is taken off a value.
text::Cp932String ReadIniValue(std::string_view file, text::Cp932View section, text::Cp932View key,
                               TextCodec& codec);

struct IniEntry {
    text::Cp932String key;
    text::Cp932String value;
};

// The file with each key of the section set to its value, in the file's own
// encoding: the line the reader finds for a key is rewritten where it stands,
// a missing key goes after the section's last line, a missing section at the
// end of the file (before the odd last byte of a UTF-16 file). A value the
// reader would change (blanks at its ends, enclosing quotes) is written in
// quotes. Every other byte stays as it is, bytes that are not valid UTF-8
// included: the file is edited in place, never decoded and encoded whole.
std::string WithIniValues(std::string_view file, text::Cp932View section,
                          const std::vector<IniEntry>& entries, TextCodec& codec);

}  // namespace velmora::settings
