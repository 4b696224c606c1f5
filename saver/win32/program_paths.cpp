#include "saver/win32/program_paths.h"

#include <windows.h>

#include <vector>

#include "saver/core/command_line.h"
#include "saver/core/saver_texts.h"
#include "settings/core/settings_store.h"

namespace velmora::saver {

namespace {

std::string ProgramPath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), buffer.size());
        if (length == 0) {
            return std::string();
        }
        if (length < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string ProgramFolder() {
    return settings::FolderOf(ProgramPath());
}

std::string SettingsFilePath() {
    return settings::InFolder(ProgramFolder(), settings::kSettingsFileName);
}

std::string RendererPath() {
    return settings::InFolder(ProgramFolder(), kRendererFileName);
}

std::string ProgramArgumentText() {
    return ArgumentText(GetCommandLineA());
}

}  // namespace velmora::saver
