#pragma once
// The settings dialog's shell: turns the messages of its window and its
// music group into the dialog's events and carries out the reply each one
// returns, on its windows (dialog_windows.h), its painting
// (dialog_painting.h) and the platform (platform_requests.h).

#include <windows.h>

#include <string>
#include <vector>

#include "settings/core/settings_store.h"
#include "settings_dialog/core/group_description.h"
#include "settings_dialog/core/settings_dialog.h"
#include "settings_dialog/win32/dialog_painting.h"
#include "settings_dialog/win32/dialog_windows.h"

namespace velmora::settings_dialog {

class SettingsDialogWindow {
  public:
    SettingsDialogWindow(HINSTANCE instance, settings::SettingsPorts store,
                         settings::SettingsPlaces places, settings::MusicChoice& choice,
                         text::Cp932String message_caption);
    SettingsDialogWindow(const SettingsDialogWindow&) = delete;
    SettingsDialogWindow& operator=(const SettingsDialogWindow&) = delete;
    ~SettingsDialogWindow();

    // Creates the windows (hidden), loads the dialog, shows it and returns
    // when it has closed.
    void RunModal();

    // Messages of the window and of the music group.
    LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  private:
    // Messages into events.
    bool AnswerKey(const MSG& msg);
    void OnMouseDown(HWND window, LPARAM lparam);
    void OnCommand(WPARAM wparam, LPARAM lparam);
    std::vector<AccessItem> DescribeGroup() const;

    // Replies carried out.
    void Load();
    void MoveToItsPlace() const;
    void FollowDpi(Scale scale, POINT top_left);
    void Carry(const DialogReply& reply);
    void ShowChoice(const ChoiceView& view);
    void ShowFileName();
    void ShowChoicesFocus();
    void SetHourglass(bool on);
    void Close();

    HINSTANCE instance_;
    settings::SettingsPorts store_;
    const settings::SettingsPlaces places_;
    const text::Cp932String message_caption_;  // the program's title
    Scale scale_;
    DialogPainting painting_;
    DialogWindows windows_;
    bool complete_ = false;  // made and loaded
    bool hourglass_ = false;
    bool closed_ = false;
    HWND focus_ = nullptr;  // the control that had the focus when the dialog was deactivated
    SettingsDialog dialog_;
};

}  // namespace velmora::settings_dialog
