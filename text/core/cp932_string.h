#pragma once
// The type of every text held in code page 932 bytes: what the user reads,
// the settings' values, the music file's path, the argument text and the media
// commands. UTF-8 texts (a UTF-8 settings file's bytes) stay plain std::string
// and are named as UTF-8 where they go; wide texts are std::wstring (Win32)
// and std::u16string (platform-free).

#include <string>
#include <string_view>

namespace velmora::text {

using Cp932String = std::string;
using Cp932View = std::string_view;

}  // namespace velmora::text
