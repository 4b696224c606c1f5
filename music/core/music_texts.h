#pragma once
// The music player's Japanese texts, as the code-page-932 bytes that go to the
// platform's ANSI functions.

namespace velmora::music {

// "コマンド文字列が指定されていません"
inline constexpr char kNoCommandText[] =
    "\x83\x52\x83\x7D\x83\x93\x83\x68\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\x77\x92\xE8\x82\xB3"
    "\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1";

// "Error (文字列が取れません)"
inline constexpr char kNoErrorText[] =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

}  // namespace velmora::music
