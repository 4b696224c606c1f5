#pragma once
// The settings file beside the program: reading the music choice at
// start-up, and the file test that the renderer check uses too.

#include <cstdint>
#include <string>
#include <string_view>

#include "music/core/bgm_settings.h"

namespace velmora::saver {

// The platform's private-profile functions and file opening.
class SettingsPort {
  public:
    virtual ~SettingsPort() = default;

    // The value under the key (at most 255 bytes), or "" when the file, the
    // section or the key does not exist.
    virtual std::string ReadIni(const std::string& section, const std::string& key,
                                const std::string& file) = 0;
    // Stores the value, creating file, section or key as needed; returns "".
    virtual std::string WriteIni(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& file) = 0;
    // True when the path can be opened as a file for reading.
    virtual bool CanOpenForReading(const std::string& path) = 0;
};

// A file in the program's folder. The folder comes without a trailing
// separator except at a drive root ("C:\"), where none is added.
std::string InFolder(std::string_view folder, std::string_view file_name);

// The folder of a program path (up to its last separator; kept at a drive root).
std::string FolderOf(std::string_view program_path);

// True when the path names a file that can be opened for reading; one
// trailing "\" is ignored.
bool FileExists(SettingsPort& port, std::string path);

// A stored integer: empty gives 0; otherwise the whole text as a number
// (blanks around it allowed), rounded down; `previous` when the text is not a
// number or the result does not fit 16 bits.
std::int16_t IniInteger(std::string_view text, std::int16_t previous);

// Fills the music choice from the settings file. Kind 2 falls back to 0
// when no readable file is named; nothing is written back.
void LoadSettings(SettingsPort& port, const std::string& settings_file,
                  music::BgmSettings& settings);

}  // namespace velmora::saver
