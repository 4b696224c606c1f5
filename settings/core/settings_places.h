#pragma once
// Where the settings file lives. Beside the program as always; where the
// program's folder cannot be written (a machine-wide install), in the user's
// own folder instead. Reading prefers the user's file when there is one, so a
// file left beside the program by an earlier copy still loads.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/core/ini_text.h"
#include "settings/core/settings_texts.h"

namespace velmora::settings {

inline constexpr char kSettingsFileName[] = "Velmora.ini";

struct SettingsPlaces {
    std::string beside_program;  // the program's folder and the file name
    std::string user_folder;     // the user's own folder for this program; "" when none
    std::string per_user;        // the file in it; "" when there is no user folder
};

// The places for a program folder and the user's application-data folder
// ("" when the platform gives none).
SettingsPlaces PlacesFor(std::string_view program_folder, std::string_view app_data_folder);

// Whole-file access to the settings file, and the file test; paths in code
// page 932.
class SettingsFilePort {
  public:
    virtual ~SettingsFilePort() = default;

    // True when the path can be opened as a file for reading (a folder cannot).
    virtual bool CanOpenForReading(const std::string& path) = 0;
    // The file's bytes; nothing when it does not exist or cannot be read.
    virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
    // Puts these bytes in place of the file (or creates it) in one step, so a
    // reader sees the old file or the new one, never a mix; false when refused.
    virtual bool ReplaceWholeFile(const std::string& path, const std::string& bytes) = 0;
    // Makes the folder unless it exists; false when it cannot be made.
    virtual bool MakeFolder(const std::string& path) = 0;
};

// The bytes of the file the settings are read from: the user's file when it
// exists, else the one beside the program; "" when neither does.
std::string ReadSettingsFile(SettingsFilePort& port, const SettingsPlaces& places);

// Stores the entries in the section of the file they are read from. The
// user's file when it exists; otherwise the one beside the program, and when
// that is refused, a new user's file carrying the old file's other lines.
// Nothing on success; the message for the user naming every file that could
// not be written otherwise.
std::optional<std::string> SaveSettingsValues(SettingsFilePort& port, const SettingsPlaces& places,
                                              std::string_view section,
                                              const std::vector<IniEntry>& entries);

}  // namespace velmora::settings
