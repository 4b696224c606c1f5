#include "settings/core/settings_store.h"

#include <cmath>
#include <limits>

#include "text/core/cp932_text.h"
#include "text/core/number_text.h"

namespace velmora::settings {

namespace {

// What a save writes, in this order: the kind, the track, the file.
std::vector<IniEntry> StoredValues(const MusicChoice& choice) {
    return {{text::Cp932String(kKeyKind), text::Cp932String(std::to_string(choice.kind))},
            {text::Cp932String(kKeyRepeatTrack),
             text::Cp932String(std::to_string(choice.repeat_track))},
            {text::Cp932String(kKeyFile), choice.file}};
}

}  // namespace

bool FileExists(MusicFiles& music, text::Cp932View path) {
    return music.CanOpenForReading(text::Cp932String(text::WithoutTrailingSeparator(path)));
}

std::int16_t StoredInteger(text::Cp932View text, std::int16_t previous) {
    if (text.Empty()) {
        return 0;
    }
    const std::optional<double> number = text::ParseWholeNumber(text.Bytes());
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

std::vector<std::u16string> LoadMusicChoice(SettingsPorts ports, const SettingsPlaces& places,
                                            MusicChoice& choice) {
    const SettingsRead read = ReadSettingsFile(ports, places);
    const std::string& file = read.bytes;
    choice.kind = StoredInteger(ReadIniValue(file, kSection, kKeyKind, ports.codec), choice.kind);
    choice.repeat_track = StoredInteger(ReadIniValue(file, kSection, kKeyRepeatTrack, ports.codec),
                                        choice.repeat_track);

    choice.file = ReadIniValue(file, kSection, kKeyFile, ports.codec);
    if (!choice.file.Empty() && !FileExists(ports.music, choice.file)) {
        choice.file.Clear();
    }
    if (choice.file.Empty() && choice.kind == kFileMusic) {
        choice.kind = kNoMusic;
    }
    return read.unreadable;
}

std::optional<text::Cp932String> SaveMusicChoice(SettingsPorts ports, const SettingsPlaces& places,
                                                 const MusicChoice& choice) {
    if (choice.kind == kFileMusic && !FileExists(ports.music, choice.file)) {
        return text::Cp932String(kNoMusicFileMessage);
    }
    return SaveSettingsValues(ports, places, kSection, StoredValues(choice));
}

}  // namespace velmora::settings
