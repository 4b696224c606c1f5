#pragma once
// The platform side of the settings dialog: the window, its music group
// (a picture box), its windowed controls and the platform services the
// dialog's replies ask for. settings_dialog_window.cpp creates the windows
// and translates their messages into the dialog's events; dialog_actions.cpp
// carries out the replies.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/core/settings_store.h"
#include "settings_dialog/core/group_description.h"
#include "settings_dialog/core/settings_dialog.h"
#include "settings_dialog/win32/back_image.h"
#include "settings_dialog/win32/windowless_controls.h"

namespace velmora::settings_dialog {

// The id of a control's window (the track box and the four buttons), which
// their WM_COMMAND notifications carry.
inline constexpr int kFirstControlWindowId = 100;
inline int ControlWindowId(ControlId id) {
    return kFirstControlWindowId + static_cast<int>(id);
}

class SettingsDialogWindow {
  public:
    SettingsDialogWindow(HINSTANCE instance, settings::SettingsPorts store,
                         settings::SettingsPlaces places, settings::MusicChoice& choice,
                         std::string message_caption);
    SettingsDialogWindow(const SettingsDialogWindow&) = delete;
    SettingsDialogWindow& operator=(const SettingsDialogWindow&) = delete;
    ~SettingsDialogWindow();

    // Creates the windows (hidden), loads the dialog, shows it and returns
    // when it has closed.
    void RunModal();

    // Messages of the window and of the music group.
    LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  private:
    // settings_dialog_window.cpp: the windows and their messages.
    void CreateWindows();
    void CreateControl(const ControlPlace& place);
    HWND ContainerWindow(Container container) const;
    void FocusFirstControl();
    void PaintBackground();
    void Compose(HWND window, HDC target);
    void InvalidateControl(ControlId id);
    void OnMouseDown(HWND window, LPARAM lparam);
    void OnCommand(WPARAM wparam, LPARAM lparam);
    bool AnswerKey(const MSG& msg);
    std::optional<ControlId> FocusedControl() const;
    std::vector<AccessItem> DescribeGroup() const;
    void ShowChoicesFocus();

    // dialog_actions.cpp: the load step and the replies carried out.
    void Load();
    void Carry(const DialogReply& reply);
    void FocusControl(ControlId id);
    void ShowChoice(const ChoiceView& view);
    void ShowFileName();
    void SetButtonEnabled(ControlId control, bool enabled);
    std::string TrackBoxText() const;
    void Zoom(const ZoomRects& rects) const;
    ScreenRect WindowRect() const;
    void SetHourglass(bool on);
    OpenFileAnswer RequestOpenFileName(const OpenFileRequest& request);
    void OpenHomePage();
    void Close();

    HINSTANCE instance_;
    settings::SettingsPorts store_;
    const settings::SettingsPlaces places_;
    const std::string message_caption_;  // the program's title
    Scale scale_;
    HWND dialog_window_ = nullptr;
    HWND group_ = nullptr;               // the music group
    std::map<ControlId, HWND> windows_;  // the combo box and the four buttons
    BackImage form_back_;
    BackImage group_back_;
    WindowlessLook look_;
    bool hourglass_ = false;
    bool closed_ = false;
    HWND focus_ = nullptr;  // the control that had the focus when the dialog was deactivated
    SettingsDialog dialog_;
};

}  // namespace velmora::settings_dialog
