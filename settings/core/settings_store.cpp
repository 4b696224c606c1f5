#include "settings/core/settings_store.h"

#include <cmath>
#include <limits>

#include "settings/core/number_text.h"

namespace velmora::settings {

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

std::int16_t StoredInteger(std::string_view text, std::int16_t previous) {
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

void LoadMusicChoice(SettingsPort& port, const std::string& settings_file, MusicChoice& choice) {
    choice.kind = StoredInteger(port.ReadValue(kKeyKind, settings_file), choice.kind);
    choice.repeat_track =
        StoredInteger(port.ReadValue(kKeyRepeatTrack, settings_file), choice.repeat_track);

    choice.file = port.ReadValue(kKeyFile, settings_file);
    if (!choice.file.empty() && !FileExists(port, choice.file)) {
        choice.file.clear();
    }
    if (choice.file.empty() && choice.kind == kFileMusic) {
        choice.kind = kNoMusic;
    }
}

std::array<StoredValue, 3> StoredValues(const MusicChoice& choice) {
    return {{{kKeyKind, std::to_string(choice.kind)},
             {kKeyRepeatTrack, std::to_string(choice.repeat_track)},
             {kKeyFile, choice.file}}};
}

}  // namespace velmora::settings
