#include "saver/win32/program_paths.h"

#include <windows.h>

#include <vector>

#include "saver/core/command_line.h"
#include "contract/run_contract.h"
#include "text/core/cp932_text.h"
#include "settings/win32/settings_file_io.h"
#include "text/win32/wide_text.h"

namespace velmora::saver {

namespace {

// The program's path in code page 932 (its short form where code page 932
// cannot name it), whatever the system's code page.
std::string ProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), buffer.size());
        if (length == 0) {
            return std::string();
        }
        if (length < buffer.size()) {
            const std::wstring path(buffer.data(), length);
            return text::Cp932Path(path).value_or(text::Cp932FromWide(path));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string ProgramFolder() {
    return text::FolderOf(ProgramPath());
}

settings::SettingsPlaces SettingsFilePlaces() {
    return settings::PlacesFor(ProgramFolder(), settings::AppDataFolder());
}

std::string RendererPath() {
    return text::InFolder(ProgramFolder(), contract::kRendererFileName);
}

std::string ProgramArgumentText() {
    return ArgumentText(text::Cp932FromWide(GetCommandLineW()));
}

}  // namespace velmora::saver
