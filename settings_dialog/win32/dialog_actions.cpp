// The dialog's load step and its replies, carried out on its windows and the
// platform.
#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "button_control/win32/push_button_window.h"
#include "text/win32/wide_text.h"
#include "settings_dialog/core/track_text.h"
#include "settings_dialog/win32/settings_dialog_window.h"

namespace velmora::settings_dialog {

namespace {

double WindowLength(HWND window, bool across) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return across ? rect.right - rect.left : rect.bottom - rect.top;
}

}  // namespace

void SettingsDialogWindow::Load() {
    // Centred across, at a third of the free height, in twips.
    const TwipsPoint place = PlaceDialog(GetSystemMetrics(SM_CXSCREEN) * scale_.x,
                                         GetSystemMetrics(SM_CYSCREEN) * scale_.y,
                                         WindowLength(dialog_window_, true) * scale_.x,
                                         WindowLength(dialog_window_, false) * scale_.y);
    SetWindowPos(dialog_window_, nullptr, button_control::TwipsToPixels(place.left, scale_.x),
                 button_control::TwipsToPixels(place.top, scale_.y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    for (const auto& [id, window] : windows_) {
        if (auto* button = button_control::PushButtonFromWindow(window)) {
            button->Initialize();
        }
    }
    ShowChoice(dialog_.View());
    HWND track_box = windows_[ControlId::TrackBox];
    SetWindowTextA(track_box, dialog_.TrackBoxText().c_str());
    for (const std::string& entry : TrackListEntries()) {
        SendMessageA(track_box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    ShowFileName();

    POINT point;
    if (GetCursorPos(&point)) {
        dialog_.RecordCursor(
            std::make_pair(static_cast<std::int32_t>(point.x), static_cast<std::int32_t>(point.y)));
    } else {
        dialog_.RecordCursor(std::nullopt);
    }
    Zoom(dialog_.OpenZoom(WindowRect()));
    SetHourglass(false);
}

void SettingsDialogWindow::Carry(const DialogReply& reply) {
    if (reply.show_choice) {
        ShowChoice(dialog_.View());
    }
    if (reply.show_file_name) {
        ShowFileName();
    }
    if (reply.ask_for_file) {
        Carry(dialog_.FileAnswered(RequestOpenFileName(MusicFileRequest())));
    }
    if (reply.open_home_page) {
        OpenHomePage();
    }
    if (reply.save) {
        // A file another program holds is tried again for a moment.
        SetHourglass(true);
        const auto failure = settings::SaveMusicChoice(store_, places_, dialog_.Choice());
        SetHourglass(false);
        Carry(dialog_.Saved(failure));
    }
    if (!reply.message.empty()) {
        text::ShowMessage(dialog_window_, reply.message, message_caption_);
    }
    if (reply.close) {
        Close();
    }
}

// Both choice controls are disabled first and the kind's one enabled again,
// whatever they showed before.
void SettingsDialogWindow::ShowChoice(const ChoiceView& view) {
    SetButtonEnabled(ControlId::ChooseFileButton, false);
    SetButtonEnabled(ControlId::TrackBox, false);
    for (int kind = 0; kind < 3; ++kind) {
        const ControlId box = *SelectionBoxOf(kind);
        look_.selected[box] = view.filled_box == box;
        InvalidateControl(box);
    }
    if (view.track_box_enabled) {
        SetButtonEnabled(ControlId::TrackBox, true);
    }
    if (view.file_button_enabled) {
        SetButtonEnabled(ControlId::ChooseFileButton, true);
    }
}

void SettingsDialogWindow::ShowFileName() {
    look_.file_caption = dialog_.Choice().file;
    InvalidateControl(ControlId::FileNameLabel);
}

void SettingsDialogWindow::SetButtonEnabled(ControlId control, bool enabled) {
    const auto window = windows_.find(control);
    if (window == windows_.end()) {
        return;
    }
    if (auto* button = button_control::PushButtonFromWindow(window->second)) {
        button->SetEnabled(enabled);  // with its window
        return;
    }
    // A disabled control takes neither the focus nor the mouse.
    EnableWindow(window->second, enabled ? TRUE : FALSE);
}

std::string SettingsDialogWindow::TrackBoxText() const {
    HWND combo = windows_.at(ControlId::TrackBox);
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(combo)) + 1, '\0');
    GetWindowTextA(combo, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// The platform's animated caption rectangle; failures are ignored.
void SettingsDialogWindow::Zoom(const ZoomRects& rects) const {
    const RECT from{rects.from.left, rects.from.top, rects.from.right, rects.from.bottom};
    const RECT to{rects.to.left, rects.to.top, rects.to.right, rects.to.bottom};
    DrawAnimatedRects(dialog_window_, IDANI_CAPTION, &from, &to);
}

ScreenRect SettingsDialogWindow::WindowRect() const {
    RECT rect{};
    GetWindowRect(dialog_window_, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void SettingsDialogWindow::SetHourglass(bool on) {
    hourglass_ = on;
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(hourglass_ ? 32514 : 32512)));
}

// The wide open-file dialog, so that its title and filter read right and any
// file can be picked on every code page; the path comes back in code page 932.
OpenFileAnswer SettingsDialogWindow::RequestOpenFileName(const OpenFileRequest& request) {
    std::vector<wchar_t> file(request.file_buffer_size, L'\0');
    std::vector<wchar_t> title(request.title_buffer_size, L'\0');
    const std::wstring filter = text::WideFromCp932(request.filter);
    const std::wstring dialog_title = text::WideFromCp932(request.title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = dialog_window_;
    dialog.hInstance = instance_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.lpstrTitle = dialog_title.c_str();
    OpenFileAnswer answer;
    answer.result = static_cast<std::int32_t>(GetOpenFileNameW(&dialog));
    if (answer.result > 0) {
        const std::wstring path(file.data());
        const std::optional<std::string> named = text::Cp932Path(path);
        answer.namable = named.has_value();
        answer.playable = named && text::SoundCallPath(*named).has_value();
        answer.file_buffer = named.value_or(text::Cp932FromWide(path));
    }
    return answer;
}

void SettingsDialogWindow::OpenHomePage() {
    const ShellLaunch launch = HomePageLaunch();
    SetHourglass(true);
    ShellExecuteW(dialog_window_, text::WideFromCp932(launch.verb).c_str(),
                  text::WideFromCp932(launch.file).c_str(),
                  text::WideFromCp932(launch.parameters).c_str(),
                  text::WideFromCp932(launch.folder).c_str(), launch.show);
    SetHourglass(false);
}

// The closing zoom, then the window goes and the modal run ends.
void SettingsDialogWindow::Close() {
    if (closed_) {
        return;
    }
    Zoom(dialog_.CloseZoom(WindowRect()));
    closed_ = true;
    DestroyWindow(dialog_window_);
    dialog_window_ = nullptr;
}

}  // namespace velmora::settings_dialog
