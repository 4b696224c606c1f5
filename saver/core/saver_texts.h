#pragma once
// Texts of the launcher and saver run: window captions, file and key names,
// and the one message the program shows. Japanese texts are the code-page-932
// bytes that go to the platform's ANSI functions.

namespace velmora::saver {

// Captions of the top-level windows that mark a busy copy of the program.
inline constexpr char kRunFormCaption[] = "Velmora_Main";      // the hidden saver-run form
inline constexpr char kSettingsDialogCaption[] = "<Velmora>";  // the settings dialog

// Title of the renderer's window: present exactly while the renderer runs.
inline constexpr char kRendererWindowTitle[] = "VelmoraVC";

// Caption of the preview form (never seen: the form has no caption bar).
inline constexpr char kPreviewFormCaption[] = "Preview Window";

// Files beside the program.
inline constexpr char kRendererFileName[] = "Velmora.dll";
inline constexpr char kSettingsFileName[] = "Velmora.ini";

// The settings file's one section and its keys.
inline constexpr char kSettingsSection[] = "Section";
// "BGM区分"
inline constexpr char kKeyKind[] = "BGM\x8B\xE6\x95\xAA";
// "BGMﾘﾋﾟｰﾄ"
inline constexpr char kKeyRepeatTrack[] = "BGM\xD8\xCB\xDF\xB0\xC4";
// "BGMﾌｧｲﾙ"
inline constexpr char kKeyFile[] = "BGM\xCC\xA7\xB2\xD9";

// "Velmora.dll が Velmora.scr と同じﾌｫﾙﾀﾞに見つかりません！"
inline constexpr char kMissingRendererMessage[] =
    "Velmora.dll \x82\xAA Velmora.scr \x82\xC6\x93\xAF\x82\xB6\xCC\xAB\xD9\xC0\xDE\x82\xC9"
    "\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x49";

}  // namespace velmora::saver
