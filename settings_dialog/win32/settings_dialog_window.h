#pragma once
// The settings dialog's shell: turns the messages of its window and its
// music group into the dialog's events and carries out the reply each one
// returns, on its windows (dialog_windows.h), its painting
// (dialog_painting.h) and the platform (platform_requests.h).

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/core/settings_store.h"
#include "settings_dialog/core/group_description.h"
#include "settings_dialog/core/settings_dialog.h"
#include "settings_dialog/win32/dialog_painting.h"
#include "settings_dialog/win32/dialog_windows.h"
#include "settings_dialog/win32/group_accessible.h"

namespace velmora::settings_dialog {

class SettingsDialogWindow {
  public:
    SettingsDialogWindow(HINSTANCE instance, settings::SettingsPorts store,
                         settings::SettingsPlaces places, const settings::MusicChoice& loaded,
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
    // Messages into events: those of the window itself, those of the music
    // group (and of both windows while they are being made), and those both
    // answer alike; nothing when the platform's own answer is wanted.
    std::optional<LRESULT> FormMessage(UINT message, WPARAM wparam, LPARAM lparam);
    std::optional<LRESULT> GroupMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    std::optional<LRESULT> EitherMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    bool AnswerKey(const MSG& msg);
    void OnMouseDown(HWND window, LPARAM lparam);
    void OnCommand(WPARAM wparam, LPARAM lparam);
    std::optional<LRESULT> OnActivate(WPARAM wparam);
    std::optional<LRESULT> OnGetObject(HWND window, WPARAM wparam, LPARAM lparam) const;
    void Paint(HWND window, HDC dc) const;
    std::vector<AccessItem> GroupItems() const;

    // Replies carried out.
    void Load();
    void MoveToItsPlace() const;
    void FollowDpi(Scale scale, POINT top_left);
    // Carries out the reply and then, in turn, the replies to the outcomes it
    // hands back (the open-file answer, the save).
    void Carry(DialogReply reply);
    std::vector<DialogReply> CarryOne(const DialogReply& reply);
    void ShowChoice(const ChoiceView& view);
    void ShowFileName(text::Cp932View file);
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
    SettingsDialog dialog_;
    // What the music group's objects ask; ends with the group's window.
    std::shared_ptr<const DescribeGroup> describe_group_;
};

}  // namespace velmora::settings_dialog
