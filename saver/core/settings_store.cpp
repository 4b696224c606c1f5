#include "saver/core/settings_store.h"

#include <cmath>
#include <limits>

#include "saver/core/command_line.h"
#include "saver/core/saver_texts.h"

namespace velmora::saver {

std::string InFolder(std::string_view folder, std::string_view file_name) {
    std::string path(folder);
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
    path += file_name;
    return path;
}

std::string FolderOf(std::string_view program_path) {
    const std::size_t last = program_path.find_last_of("\\/");
    if (last == std::string_view::npos) {
        return std::string();
    }
    // "C:\Velmora.scr" lives in "C:\", not in the drive-relative "C:".
    const bool drive_root = last == 2 && program_path[1] == ':';
    return std::string(program_path.substr(0, drive_root ? last + 1 : last));
}

bool FileExists(SettingsPort& port, std::string path) {
    if (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return port.CanOpenForReading(path);
}

std::int16_t IniInteger(std::string_view text, std::int16_t previous) {
    if (text.empty()) {
        return 0;
    }
    const std::optional<double> number = ParseWholeNumber(text);
    if (!number) {
        return previous;
    }
    const double whole = std::floor(*number);
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max()) {
        return previous;
    }
    return static_cast<std::int16_t>(whole);
}

void LoadSettings(SettingsPort& port, const std::string& settings_file,
                  music::BgmSettings& settings) {
    settings.BGM_Kind =
        IniInteger(port.ReadIni(kSettingsSection, kKeyKind, settings_file), settings.BGM_Kind);
    settings.BGM_RepeatTrack = IniInteger(
        port.ReadIni(kSettingsSection, kKeyRepeatTrack, settings_file), settings.BGM_RepeatTrack);

    settings.BGM_File = port.ReadIni(kSettingsSection, kKeyFile, settings_file);
    if (!settings.BGM_File.empty() && !FileExists(port, settings.BGM_File)) {
        settings.BGM_File.clear();
    }
    if (settings.BGM_File.empty() && settings.BGM_Kind == music::kBgmFile) {
        settings.BGM_Kind = music::kBgmNone;
    }
}

}  // namespace velmora::saver
