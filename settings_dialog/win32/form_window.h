#pragma once
// The platform side of Velmora_P: the window, its picture box Pic_C, its
// windowed controls and the platform services the dialog asks for.
// form_port.cpp carries out the dialog's requests; velmora_p_window.cpp
// creates the windows and translates their messages.

#include <windows.h>

#include <map>
#include <string>

#include "settings_dialog/core/velmora_p.h"
#include "settings_dialog/win32/back_image.h"
#include "settings_dialog/win32/velmora_p_window.h"
#include "settings_dialog/win32/windowless_controls.h"

namespace velmora::settings_dialog {

class FormWindow final : public DialogPort {
  public:
    FormWindow(HINSTANCE instance, VelmoraB& velmora_b, music::BgmSettings& settings,
               saver::CursorPoint& cursor, const std::string& settings_file);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override;

    // Creates the windows (hidden), runs Form_Load, shows the dialog and
    // returns when it has been unloaded.
    void RunModal();

    // Messages of the window and of Pic_C.
    LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    // DialogPort
    double ScreenWidth() override;
    double ScreenHeight() override;
    double DialogWidth() override;
    double DialogHeight() override;
    void MoveDialog(TwipsPoint top_left) override;
    void InitButtons() override;
    void SetEnabled(ControlId control, bool enabled) override;
    void ShowSelectionPicture(ControlId image, bool selected) override;
    void SetRepeatText(const std::string& text) override;
    void AddRepeatEntry(const std::string& text) override;
    std::string RepeatText() override;
    void SetFileCaption(const std::string& text) override;
    std::optional<std::pair<std::int32_t, std::int32_t>> CursorPosition() override;
    void ZoomOpenFromCursor() override;
    void ZoomCloseToCursor() override;
    void SetMousePointer(MousePointer pointer) override;
    OpenFileAnswer RequestOpenFileName(const OpenFileRequest& request) override;
    void LaunchDocument(const ShellLaunch& launch) override;
    void WriteIni(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) override;
    void Unload() override;

  private:
    void CreateWindows();
    void CreateControl(const ControlPlace& place);
    HWND ContainerWindow(Container container) const;
    void FocusFirstControl();
    void PaintBackground();  // Form_Resize
    void Compose(HWND window, HDC target);
    void InvalidateControl(ControlId id);
    void OnMouseDown(HWND window, LPARAM lparam);
    void OnCommand(WPARAM wparam, LPARAM lparam);

    HINSTANCE instance_;
    VelmoraB& velmora_b_;
    Scale scale_;
    HWND form_ = nullptr;
    HWND group_ = nullptr;               // Pic_C(0)
    std::map<ControlId, HWND> windows_;  // the combo box and the four buttons
    BackImage form_back_;
    BackImage group_back_;
    WindowlessLook look_;
    bool hourglass_ = false;
    bool unloaded_ = false;
    HWND focus_ = nullptr;  // the control that had the focus when the dialog was deactivated
    VelmoraP velmora_p_;
};

}  // namespace velmora::settings_dialog
