// The dialog's requests carried out on its windows and the platform.
#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "button_control/win32/push_button_window.h"
#include "settings_dialog/win32/form_window.h"

namespace velmora::settings_dialog {

namespace {

double WindowLength(HWND window, bool across) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return across ? rect.right - rect.left : rect.bottom - rect.top;
}

}  // namespace

double FormWindow::ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN) * scale_.x;
}

double FormWindow::ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN) * scale_.y;
}

double FormWindow::DialogWidth() {
    return WindowLength(form_, true) * scale_.x;
}

double FormWindow::DialogHeight() {
    return WindowLength(form_, false) * scale_.y;
}

void FormWindow::MoveDialog(TwipsPoint top_left) {
    SetWindowPos(form_, nullptr, button_control::TwipsToPixels(top_left.left, scale_.x),
                 button_control::TwipsToPixels(top_left.top, scale_.y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::InitButtons() {
    for (const auto& [id, window] : windows_) {
        if (auto* button = button_control::PushButtonFromWindow(window)) {
            button->Initialize();
        }
    }
}

void FormWindow::SetEnabled(ControlId control, bool enabled) {
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

void FormWindow::ShowSelectionPicture(ControlId image, bool selected) {
    look_.selected[image] = selected;
    InvalidateControl(image);
}

void FormWindow::SetRepeatText(const std::string& text) {
    SetWindowTextA(windows_[ControlId::BGM_Repeat], text.c_str());
}

void FormWindow::AddRepeatEntry(const std::string& text) {
    SendMessageA(windows_[ControlId::BGM_Repeat], CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

std::string FormWindow::RepeatText() {
    HWND combo = windows_[ControlId::BGM_Repeat];
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(combo)) + 1, '\0');
    GetWindowTextA(combo, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void FormWindow::SetFileCaption(const std::string& text) {
    look_.file_caption = text;
    InvalidateControl(ControlId::lbl_Fname);
}

std::optional<std::pair<std::int32_t, std::int32_t>> FormWindow::CursorPosition() {
    POINT point;
    if (!GetCursorPos(&point)) {
        return std::nullopt;
    }
    return std::make_pair(static_cast<std::int32_t>(point.x), static_cast<std::int32_t>(point.y));
}

void FormWindow::ZoomOpenFromCursor() {
    velmora_b_.ZoomOpenFromCursor(form_);
}

void FormWindow::ZoomCloseToCursor() {
    velmora_b_.ZoomCloseToCursor(form_);
}

void FormWindow::SetMousePointer(MousePointer pointer) {
    hourglass_ = pointer == MousePointer::Hourglass;
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(hourglass_ ? 32514 : 32512)));
}

OpenFileAnswer FormWindow::RequestOpenFileName(const OpenFileRequest& request) {
    std::vector<char> file(request.file_buffer_size, '\0');
    std::vector<char> title(request.title_buffer_size, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = form_;
    dialog.hInstance = instance_;
    dialog.lpstrFilter = request.filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.lpstrTitle = request.title.c_str();
    const BOOL result = GetOpenFileNameA(&dialog);
    return {static_cast<std::int32_t>(result), std::string(file.begin(), file.end())};
}

void FormWindow::LaunchDocument(const ShellLaunch& launch) {
    ShellExecuteA(form_, launch.verb.c_str(), launch.file.c_str(), launch.parameters.c_str(),
                  launch.folder.c_str(), launch.show);
}

void FormWindow::WriteIni(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) {
    velmora_b_.WriteIni(section, key, value, file);
}

// Form_Unload, then the window goes and the modal run ends.
void FormWindow::Unload() {
    if (unloaded_) {
        return;
    }
    velmora_p_.Form_Unload();
    unloaded_ = true;
    DestroyWindow(form_);
    form_ = nullptr;
}

}  // namespace velmora::settings_dialog
