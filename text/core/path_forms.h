#pragma once
// Which form of a chosen path the program keeps and which it plays. The
// platform names a file by its path and, on most volumes, by a short (8.3)
// form too; the program keeps code page 932 texts, and the platform's sound
// calls open only short enough paths.

#include <cstddef>
#include <optional>

#include "text/core/cp932_string.h"

namespace velmora::text {

// One form of a path in code page 932 ("?" for a character it has no form
// for), whether code page 932 holds all of it, and its length in UTF-16 units.
struct PathForm {
    Cp932String cp932;
    bool whole = true;
    std::size_t length = 0;
};

struct PathForms {
    PathForm path;
    std::optional<PathForm> short_form;  // nothing when the volume gives none
};

// The platform's sound calls (PlaySound, the wave and MPEG media drivers)
// open only paths of fewer than this many characters.
inline constexpr std::size_t kSoundCallPathLimit = 128;

// The name the program keeps: the path when code page 932 holds it, else its
// short form when code page 932 holds that; nothing otherwise.
std::optional<Cp932String> KeptName(const PathForms& forms);

// The form the sound calls open: the kept name when it is short enough, else
// the short form when that is and code page 932 holds it; nothing otherwise.
std::optional<Cp932String> SoundCallForm(const PathForms& forms);

}  // namespace velmora::text
