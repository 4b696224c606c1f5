#pragma once
// The settings file: where it lives, its one section and three keys, how the
// stored texts become the music choice, and the three values a save writes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/core/music_choice.h"

namespace velmora::settings {

inline constexpr char kSettingsFileName[] = "Velmora.ini";

// The file's one section and its keys, as their code-page-932 bytes.
inline constexpr char kSection[] = "Section";
// "BGM区分"
inline constexpr char kKeyKind[] = "BGM\x8B\xE6\x95\xAA";
// "BGMﾘﾋﾟｰﾄ"
inline constexpr char kKeyRepeatTrack[] = "BGM\xD8\xCB\xDF\xB0\xC4";
// "BGMﾌｧｲﾙ"
inline constexpr char kKeyFile[] = "BGM\xCC\xA7\xB2\xD9";

// The platform's private-profile functions and file opening.
class SettingsPort {
  public:
    virtual ~SettingsPort() = default;

    // The value under the key in the file's section (at most 255 bytes), or
    // "" when the file or the key does not exist.
    virtual std::string ReadValue(const std::string& key, const std::string& file) = 0;
    // Stores the value, creating file, section or key as needed.
    virtual void WriteValue(const std::string& key, const std::string& value,
                            const std::string& file) = 0;
    // True when the path can be opened as a file for reading.
    virtual bool CanOpenForReading(const std::string& path) = 0;
};

// A file in a folder. The folder comes without a trailing separator except
// at a drive root ("C:\"), where none is added.
std::string InFolder(std::string_view folder, std::string_view file_name);

// The folder of a program path (up to its last separator; kept at a drive root).
std::string FolderOf(std::string_view program_path);

// True when the path names a file that can be opened for reading; one
// trailing "\" is ignored.
bool FileExists(SettingsPort& port, std::string path);

// A stored integer: empty gives 0; otherwise the whole text as a number
// (blanks around it allowed), rounded down; `previous` when the text is not a
// number or the result does not fit 16 bits.
std::int16_t StoredInteger(std::string_view text, std::int16_t previous);

// Fills the music choice from the settings file. Kind 2 falls back to 0
// when no readable file is named; nothing is written back.
void LoadMusicChoice(SettingsPort& port, const std::string& settings_file, MusicChoice& choice);

// One key and the text stored under it.
struct StoredValue {
    const char* key;
    std::string text;
};

// What a save writes, in this order: the kind, the track, the file.
std::array<StoredValue, 3> StoredValues(const MusicChoice& choice);

}  // namespace velmora::settings
