#include "settings_dialog/win32/platform_requests.h"

#include <commdlg.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "platform_edge/win32/system_cursors.h"
#include "text/win32/wide_text.h"

namespace velmora::settings_dialog {

namespace {

// The platform's filter: description and pattern, each ended by a NUL, and
// one more NUL after the last pair.
std::wstring FilterOf(const OpenFileRequest& request) {
    std::wstring filter = text::WideFromCp932(request.filter_description);
    filter += L'\0';
    filter += text::WideFromCp932(request.filter_pattern);
    filter += L'\0';
    return filter;  // c_str() adds the last NUL
}

}  // namespace

OpenFileAnswer AskForFile(HWND owner, HINSTANCE instance, const OpenFileRequest& request) {
    std::vector<wchar_t> file(request.file_buffer_size, L'\0');
    std::vector<wchar_t> title(request.title_buffer_size, L'\0');
    const std::wstring filter = FilterOf(request);
    const std::wstring dialog_title = text::WideFromCp932(request.title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = owner;
    dialog.hInstance = instance;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.lpstrTitle = dialog_title.c_str();
    OpenFileAnswer answer;
    answer.result = static_cast<std::int32_t>(GetOpenFileNameW(&dialog));
    if (answer.result > 0) {
        const text::PathForms forms = text::PathFormsOf(file.data());  // up to its first NUL
        const std::optional<text::Cp932String> kept = text::KeptName(forms);
        answer.namable = kept.has_value();
        answer.playable = text::SoundCallForm(forms).has_value();
        answer.file = kept.value_or(forms.path.cp932);
    }
    return answer;
}

void OpenWithShell(HWND owner, const ShellLaunch& launch) {
    ShellExecuteW(owner, text::WideFromCp932(launch.verb).c_str(),
                  text::WideFromCp932(launch.file).c_str(), L"", L"", SW_SHOWNORMAL);
}

void Zoom(HWND window, const ZoomRects& rects) {
    const RECT from{rects.from.left, rects.from.top, rects.from.right, rects.from.bottom};
    const RECT to{rects.to.left, rects.to.top, rects.to.right, rects.to.bottom};
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

ScreenRect WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void ShowPointer(bool hourglass) {
    SetCursor(hourglass ? platform_edge::HourglassCursor() : platform_edge::ArrowCursor());
}

}  // namespace velmora::settings_dialog
