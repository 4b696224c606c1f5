#include "settings_dialog/core/file_name_caption.h"

#include <cstddef>
#include <vector>

#include "text/core/cp932_text.h"

namespace velmora::settings_dialog {

std::string FileNameCaption(std::string_view path, int width, const TextWidth& text_width) {
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
    if (separator == std::string_view::npos || separator == 0 || text_width(path) <= width) {
        return std::string(path);
    }
    const std::string_view file_name = path.substr(separator);
    std::string caption;
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
        if (*start >= separator) {
            continue;
        }
        caption = std::string(path.substr(0, *start)) + "..." + std::string(file_name);
        if (text_width(caption) <= width) {
            break;
        }
    }
    return caption;
}

}  // namespace velmora::settings_dialog
