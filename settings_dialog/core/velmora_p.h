#pragma once
// Velmora_P: the settings dialog's behaviour. It shows the loaded music
// choice, lets the user pick a kind, a track and a file, and writes the three
// settings when the user saves. Platform-free: the window, its controls and
// the platform's services come in through DialogPort.

#include <cstdint>
#include <optional>
#include <string>

#include "music/core/bgm_settings.h"
#include "saver/core/zoom_rectangles.h"
#include "settings_dialog/core/dialog_layout.h"

namespace velmora::settings_dialog {

enum class MousePointer { Default, Hourglass };

// The platform's open-file request: one filter pair, a title, and the sizes
// of the file-name and file-title buffers (filled with NULs).
struct OpenFileRequest {
    std::string filter;  // description NUL pattern NUL NUL
    std::string title;
    std::size_t file_buffer_size = 0;
    std::size_t title_buffer_size = 0;
};

// What the platform's open-file dialog gave back: its result and the whole
// file-name buffer.
struct OpenFileAnswer {
    std::int32_t result = 0;
    std::string file_buffer;
};

// The shell's document launch.
struct ShellLaunch {
    std::string verb, file, parameters, folder;
    int show = 0;
};

inline constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
inline constexpr std::size_t kFileBufferSize = 255;

class DialogPort {
  public:
    virtual ~DialogPort() = default;

    // Sizes in twips: the screen, and the dialog's outer size.
    virtual double ScreenWidth() = 0;
    virtual double ScreenHeight() = 0;
    virtual double DialogWidth() = 0;
    virtual double DialogHeight() = 0;
    virtual void MoveDialog(TwipsPoint top_left) = 0;

    // InitButtons: Initialize on every Command control of the form.
    virtual void InitButtons() = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;
    // Gives the image the picture of Img_Ra(1) when `selected`, else Img_Ra(0).
    virtual void ShowSelectionPicture(ControlId image, bool selected) = 0;

    virtual void SetRepeatText(const std::string& text) = 0;
    virtual void AddRepeatEntry(const std::string& text) = 0;
    virtual std::string RepeatText() = 0;
    virtual void SetFileCaption(const std::string& text) = 0;

    // The mouse position in screen pixels, or nothing when the platform fails.
    virtual std::optional<std::pair<std::int32_t, std::int32_t>> CursorPosition() = 0;
    virtual void ZoomOpenFromCursor() = 0;
    virtual void ZoomCloseToCursor() = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;

    virtual OpenFileAnswer RequestOpenFileName(const OpenFileRequest& request) = 0;
    virtual void LaunchDocument(const ShellLaunch& launch) = 0;
    // WriteIni; its result is not examined.
    virtual void WriteIni(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) = 0;

    // Unloads the form: Form_Unload runs, then the window goes.
    virtual void Unload() = 0;
};

// The open-file request the "..." button makes.
OpenFileRequest MusicFileRequest();

class VelmoraP {
  public:
    VelmoraP(DialogPort& port, music::BgmSettings& settings, saver::CursorPoint& cursor,
             std::string settings_file);

    void Form_Load();
    void Form_Unload();
    // MouseDown on Img_BGM(index) or lbl_BGM(index), any mouse button.
    void SelectKind(int index);
    void Cmd_BGM_Click();
    void Cmd_Set_Click();
    void Cmd_Can_Click();
    void Cmd_Etc_Click();

  private:
    void ShowKind();

    DialogPort& port_;
    music::BgmSettings& settings_;
    saver::CursorPoint& cursor_;
    std::string settings_file_;
};

}  // namespace velmora::settings_dialog
