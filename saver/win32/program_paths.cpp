#include "saver/win32/program_paths.h"

#include <windows.h>

#include <vector>

#include "saver/core/command_line.h"
#include "saver/core/saver_texts.h"
#include "settings/win32/settings_file_io.h"
#include "text/core/cp932_text.h"
#include "text/win32/wide_text.h"

namespace velmora::saver {

namespace {

// The program's folder as the platform reports it, no trailing separator
// except at a drive root.
std::u16string ProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), buffer.size());
        if (length == 0) {
            return std::u16string();
        }
        if (length < buffer.size()) {
            return text::FolderOf(text::Utf16Of(std::wstring_view(buffer.data(), length)));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring WideRendererPath() {
    const std::string name = kRendererFileName;
    return text::WideOf(text::InFolder(ProgramFolder(), std::u16string(name.begin(), name.end())));
}

}  // namespace

settings::SettingsPlaces SettingsFilePlaces() {
    return settings::PlacesFor(ProgramFolder(), settings::AppDataFolder());
}

std::string RendererPath() {
    return text::Utf8FromWide(WideRendererPath());
}

bool RendererPresent() {
    HANDLE file = CreateFileW(WideRendererPath().c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

std::string ProgramArgumentText() {
    return ArgumentText(text::Cp932FromWide(GetCommandLineW()));
}

}  // namespace velmora::saver
