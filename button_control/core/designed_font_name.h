#pragma once
// The designed typeface of the button and its caption, as the code-page-932
// bytes the platform's A functions receive.

namespace velmora::button_control {

// "ＭＳ Ｐゴシック"
inline constexpr char kDesignedFontName[] =
    "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

}  // namespace velmora::button_control
