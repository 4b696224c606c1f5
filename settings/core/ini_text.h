#pragma once
// The private-profile (INI) format read and written over a file's bytes, the
// way the platform's profile functions read it: "[section]" lines, then
// "key=value" lines. Working on bytes keeps code page 932 keys and values as
// they are on every system code page.

#include <string>
#include <string_view>
#include <vector>

namespace velmora::settings {

// The longest value a read returns, in bytes.
inline constexpr std::size_t kIniValueLimit = 255;

// The value under the key in the section, or "" when either is missing.
// Section and key names match whatever the case of their ASCII letters; the
// value is the text after the first "=", blanks and tabs around it removed and
// one pair of enclosing quotes taken off, cut to kIniValueLimit bytes (never
// inside a character).
std::string ReadIniValue(std::string_view file, std::string_view section, std::string_view key);

struct IniEntry {
    std::string key;
    std::string value;
};

// The file with each key of the section set to its value: a key's line is
// rewritten where it stands, a missing key goes after the section's last
// line, a missing section at the end of the file. Every other byte stays.
std::string WithIniValues(std::string_view file, std::string_view section,
                          const std::vector<IniEntry>& entries);

}  // namespace velmora::settings
