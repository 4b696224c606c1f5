#pragma once
// Texts of the settings dialog. Japanese texts are the code-page-932 bytes
// that go to the platform's ANSI functions. The settings file's keys are the
// settings model's (settings/core/settings_store.h) and the labels' typeface
// is the button control's (button_control/core/designed_font_name.h).

namespace velmora::settings_dialog {

// The caption, which is also how a second copy of the program tells that the
// dialog is open.
inline constexpr char kDialogCaption[] = "<Velmora>";

// Static texts.
inline constexpr char kCreditText[] = "Designed by r-veld Ver.1.0.0";
inline constexpr char kGroupHeading[] = "BGM";
// "曲目をﾘﾋﾟｰﾄ"
inline constexpr char kCaptionRepeatTrack[] = "\x8B\xC8\x96\xDA\x82\xF0\xD8\xCB\xDF\xB0\xC4";

// The three choices, by kind 0, 1, 2.
// "無し"
inline constexpr char kCaptionNone[] = "\x96\xB3\x82\xB5";
// "音楽CD"
inline constexpr char kCaptionCd[] = "\x89\xB9\x8AyCD";
// "MP3、WAV"
inline constexpr char kCaptionFile[] = "MP3\x81\x41WAV";

// The four buttons.
inline constexpr char kCaptionChooseFile[] = "...";
// "設定"
inline constexpr char kCaptionSave[] = "\x90\xDD\x92\xE8";
// "ｷｬﾝｾﾙ"
inline constexpr char kCaptionCancel[] = "\xB7\xAC\xDD\xBE\xD9";
// "その他の作品"
inline constexpr char kCaptionOtherWorks[] = "\x82\xBB\x82\xCC\x91\xBC\x82\xCC\x8D\xEC\x95i";

// The open-file request.
// "BGMﾌｧｲﾙ (MP3 WAV)"
inline constexpr char kFileFilterDescription[] = "BGM\xCC\xA7\xB2\xD9 (MP3 WAV)";
inline constexpr char kFileFilterPattern[] = "*.MP3;*.WAV";
// "ﾌｧｲﾙを開く"
inline constexpr char kFileDialogTitle[] = "\xCC\xA7\xB2\xD9\x82\xF0\x8AJ\x82\xAD";

// The message for a chosen file that code page 932 cannot name, nor its
// short form: "このファイルは名前に使えない文字があり、短い名前もないため選べません："
inline constexpr char kUnnamableFileMessage[] =
    "\x82\xB1\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCD\x96\xBC\x91\x4F\x82\xC9\x8E\x67\x82"
    "\xA6\x82\xC8\x82\xA2\x95\xB6\x8E\x9A\x82\xAA\x82\xA0\x82\xE8\x81\x41\x92\x5A\x82\xA2\x96\xBC"
    "\x91\x4F\x82\xE0\x82\xC8\x82\xA2\x82\xBD\x82\xDF\x91\x49\x82\xD7\x82\xDC\x82\xB9\x82\xF1\x81"
    "\x46";

// The message for a chosen file whose path is too long for the platform's
// sound calls, with no short form short enough:
// "このファイルはパスが長すぎ、短い名前もないため再生できません："
inline constexpr char kTooLongFileMessage[] =
    "\x82\xB1\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCD\x83\x70\x83\x58\x82\xAA\x92\xB7"
    "\x82\xB7\x82\xAC\x81\x41\x92\x5A\x82\xA2\x96\xBC\x91\x4F\x82\xE0\x82\xC8\x82\xA2\x82\xBD"
    "\x82\xDF\x8D\xC4\x90\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x46";

// The author's home page, opened through the shell.
inline constexpr char kHomePageVerb[] = "open";
inline constexpr char kHomePageAddress[] = "https://www.r-veld.example/";

}  // namespace velmora::settings_dialog
