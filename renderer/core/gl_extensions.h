#pragma once
// Whether a GL or WGL extension string lists an extension.

#include <string_view>

namespace velmora::renderer {

// True when `name` is one of the space-separated names of `list`: a whole
// name, never the start of a longer one (WGL_EXT_swap_control_tear does not
// list WGL_EXT_swap_control).
bool ListsExtension(std::string_view list, std::string_view name);

}  // namespace velmora::renderer
