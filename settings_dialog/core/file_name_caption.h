#pragma once
// What the file-name label shows of the chosen path on its one line.

#include <functional>
#include <string>
#include <string_view>

#include "text/core/cp932_string.h"

namespace velmora::settings_dialog {

// The width of a text in the label's font, in pixels.
using TextWidth = std::function<int(text::Cp932View)>;

// The whole path when it fits `width`. Otherwise the middle of its folders
// gives way to "...": as much of the path's front as fits, "...", then the
// last separator and the file name, which is always kept whole (even when
// nothing of the front fits beside it), so the user sees which file is chosen.
text::Cp932String FileNameCaption(text::Cp932View path, int width, const TextWidth& text_width);

}  // namespace velmora::settings_dialog
