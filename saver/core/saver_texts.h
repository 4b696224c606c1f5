#pragma once
// Texts of the start-up: the preview window's caption and the one message the
// program shows. (The names the run shares with the renderer are in
// contract/run_contract.h.) Japanese texts are the code-page-932 bytes that go
// to the platform's ANSI functions.

namespace velmora::saver {

// Caption of the preview window (never seen: the window has no caption bar).
inline constexpr char kPreviewWindowCaption[] = "Preview Window";

// "Velmora.dll が Velmora.scr と同じﾌｫﾙﾀﾞに見つかりません！"
inline constexpr char kMissingRendererMessage[] =
    "Velmora.dll \x82\xAA Velmora.scr \x82\xC6\x93\xAF\x82\xB6\xCC\xAB\xD9\xC0\xDE\x82\xC9"
    "\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x49";

}  // namespace velmora::saver
