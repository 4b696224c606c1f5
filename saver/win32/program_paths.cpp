#include "saver/win32/program_paths.h"

#include <windows.h>

#include <vector>

#include "contract/run_contract.h"
#include "platform_edge/win32/readable_file.h"
#include "text/core/ascii_text.h"
#include "saver/core/command_line.h"
#include "settings/win32/settings_file_io.h"
#include "text/core/cp932_text.h"
#include "text/win32/wide_text.h"

namespace velmora::saver {

namespace {

// The program's folder as the platform reports it, no trailing separator
// except at a drive root.
std::wstring ProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), buffer.size());
        if (length == 0) {
            return std::wstring();
        }
        if (length < buffer.size()) {
            return text::FolderOf(std::wstring_view(buffer.data(), length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

ProgramPlaces FindProgramPlaces() {
    ProgramPlaces program;
    program.folder = ProgramFolder();
    program.renderer =
        text::InFolder(program.folder, text::AsciiWidened<wchar_t>(contract::kRendererFileName));
    return program;
}

settings::SettingsPlaces SettingsFilePlaces(const ProgramPlaces& program) {
    return settings::PlacesFor(text::Utf16Of(program.folder), settings::AppDataFolder());
}

bool RendererPresent(const ProgramPlaces& program) {
    return platform_edge::OpensForReading(program.renderer);
}

text::Cp932String ProgramArgumentText() {
    return ArgumentText(text::Cp932FromWide(GetCommandLineW()));
}

}  // namespace velmora::saver
