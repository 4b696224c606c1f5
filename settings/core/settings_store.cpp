#include "settings/core/settings_store.h"

#include <cmath>
#include <limits>

#include "text/core/cp932_text.h"
#include "text/core/number_text.h"

namespace velmora::settings {

bool FileExists(SettingsFilePort& port, std::string_view path) {
    return port.CanOpenForReading(std::string(text::WithoutTrailingSeparator(path)));
}

std::int16_t StoredInteger(std::string_view text, std::int16_t previous) {
    if (text.empty()) {
        return 0;
    }
    const std::optional<double> number = text::ParseWholeNumber(text);
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

void LoadMusicChoice(SettingsFilePort& port, const SettingsPlaces& places, MusicChoice& choice) {
    const std::string file = ReadSettingsFile(port, places);
    choice.kind = StoredInteger(ReadIniValue(file, kSection, kKeyKind, port), choice.kind);
    choice.repeat_track =
        StoredInteger(ReadIniValue(file, kSection, kKeyRepeatTrack, port), choice.repeat_track);

    choice.file = ReadIniValue(file, kSection, kKeyFile, port);
    if (!choice.file.empty() && !FileExists(port, choice.file)) {
        choice.file.clear();
    }
    if (choice.file.empty() && choice.kind == kFileMusic) {
        choice.kind = kNoMusic;
    }
}

std::vector<IniEntry> StoredValues(const MusicChoice& choice) {
    return {{kKeyKind, std::to_string(choice.kind)},
            {kKeyRepeatTrack, std::to_string(choice.repeat_track)},
            {kKeyFile, choice.file}};
}

std::optional<std::string> SaveMusicChoice(SettingsFilePort& port, const SettingsPlaces& places,
                                           const MusicChoice& choice) {
    return SaveSettingsValues(port, places, kSection, StoredValues(choice));
}

}  // namespace velmora::settings
