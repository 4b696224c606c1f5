#pragma once
// Where the settings file lives and how it is loaded and saved, with no
// trust in any file's timestamp:
// - The per-user file, once it exists, is the settings file: a load reads it
//   first and a save writes it. Otherwise the file beside the program is.
// - A save goes beside the program unless that place refuses (a read-only
//   file or folder, one the user may not write); then it makes the per-user
//   file, which every later load and save take.
// - A file another program holds is tried again for about two seconds, at a
//   load as at a save; a refusal is final at once.
// Paths are UTF-16 from the platform to every call; the file's text stays
// code page 932 (or the Unicode form it already has).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/core/ini_text.h"
#include "settings/core/settings_ports.h"
#include "settings/core/settings_texts.h"
#include "text/core/cp932_string.h"

namespace velmora::settings {

// How long a load or save keeps trying a file that another program holds,
// and how long it waits between tries.
inline constexpr int kHeldFileRetryMilliseconds = 2000;
inline constexpr int kHeldFileRetryStepMilliseconds = 100;

struct SettingsPlaces {
    std::u16string program_folder;
    std::u16string file_beside_program;  // the settings file in the program's folder
    std::u16string per_user_folder;      // the user's own folder for this program; "" when none
    std::u16string per_user_file;        // the settings file in it; "" when there is no such folder
};

// The places for a program folder and the user's application-data folder
// ("" when the platform gives none).
SettingsPlaces PlacesFor(std::u16string_view program_folder, std::u16string_view app_data_folder);

// The bytes the settings are read from ("" when there are none), and the
// files that exist but could not be read, in the order they were tried.
struct SettingsRead {
    std::string bytes;
    std::vector<std::u16string> unreadable;
};

// The per-user file when it exists and can be read, otherwise the file
// beside the program.
SettingsRead ReadSettingsFile(SettingsPorts ports, const SettingsPlaces& places);

// The message for the user naming the files a load could not read.
text::Cp932String UnreadableFilesMessage(TextCodec& codec,
                                         const std::vector<std::u16string>& paths);

// Stores the entries in the section of the file the placement rule picks,
// changing no other byte of it and keeping its encoding. The save counts
// only when the file then reads back to the entries. Nothing on success;
// otherwise the message for the user, naming the files it could not write.
std::optional<text::Cp932String> SaveSettingsValues(SettingsPorts ports,
                                                    const SettingsPlaces& places,
                                                    text::Cp932View section,
                                                    const std::vector<IniEntry>& entries);

}  // namespace velmora::settings
