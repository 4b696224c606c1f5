#include "settings_dialog/core/file_name_caption.h"

#include <cstddef>
#include <vector>

#include "text/core/cp932_text.h"

namespace velmora::settings_dialog {

text::Cp932String FileNameCaption(text::Cp932View path_text, int width,
                                  const TextWidth& text_width) {
    const std::string_view path = path_text.Bytes();
    // Where each character starts, and where the last separator is.
    std::vector<std::size_t> starts;
    std::size_t separator = std::string_view::npos;
    for (std::size_t offset = 0; offset < path.size();
         offset += text::CharacterLength(path, offset)) {
        starts.push_back(offset);
        if (path[offset] == '\\' || path[offset] == '/') {
            separator = offset;
        }
    }
    // No folder before the file name: nothing to give way.
    if (separator == std::string_view::npos || separator == 0 || text_width(path_text) <= width) {
        return text::Cp932String(path_text);
    }
    const text::Cp932View file_name(path.substr(separator));
    text::Cp932String caption;
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
        if (*start >= separator) {
            continue;
        }
        caption = text::Cp932View(path.substr(0, *start)) + text::Cp932View("...") + file_name;
        if (text_width(caption) <= width) {
            break;
        }
    }
    return caption;
}

}  // namespace velmora::settings_dialog
