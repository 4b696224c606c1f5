#pragma once
// Where the settings file lives and how it is loaded and saved. A save goes
// beside the program when the program's folder accepts a new file (tried
// each time), and to the user's own folder only when it does not (a
// machine-wide install). A load reads the newer of the two files, so neither
// hides a later choice kept in the other. Paths are UTF-16 from the platform
// to every call; the file's text stays code page 932 (or the Unicode form it
// already has).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/core/ini_text.h"

namespace velmora::settings {

inline constexpr char16_t kSettingsFileName[] = u"Velmora.ini";

// "設定を保存できませんでした。\n次のファイルに書き込めません：" and one path a line.
inline constexpr char kSaveFailedMessage[] =
    "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82"
    "\xB5\x82\xBD\x81\x42\n"
    "\x8E\x9F\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82"
    "\xDC\x82\xB9\x82\xF1\x81\x46";

// How long a save keeps trying a file that another program holds, and how
// long it waits between tries.
inline constexpr int kHeldFileRetryMilliseconds = 2000;
inline constexpr int kHeldFileRetryStepMilliseconds = 100;

struct SettingsPlaces {
    std::u16string program_folder;
    std::u16string beside_program;  // the program's folder and the file name
    std::u16string user_folder;     // the user's own folder for this program; "" when none
    std::u16string per_user;        // the file in it; "" when there is no user folder
};

// The places for a program folder and the user's application-data folder
// ("" when the platform gives none).
SettingsPlaces PlacesFor(std::u16string_view program_folder, std::u16string_view app_data_folder);

// What reading a whole file found. A file that exists but cannot be read now
// (another program locked it, access denied) is not a missing one.
struct FileRead {
    enum class State { Missing, Unreadable, Read };
    State state = State::Missing;
    std::string bytes;
    std::uint64_t last_written = 0;  // when it exists: a time that grows with every write
};

enum class Replacement {
    Done,
    Refused,  // read-only, or no file can be made there
    Held,     // another program holds the file open; may succeed later
};

// The settings files on the platform, the music file test, the conversions
// between code page 932 and UTF-16, and the pause between tries.
class SettingsFilePort : public TextCodec {
  public:
    // True when the code page 932 path can be opened as a file for reading
    // (a folder cannot).
    virtual bool CanOpenForReading(const std::string& path) = 0;
    virtual FileRead ReadWholeFile(const std::u16string& path) = 0;
    // True when a new file can be made in the folder (found by making one).
    virtual bool FolderAcceptsNewFile(const std::u16string& folder) = 0;
    // Puts these bytes in place of the file (or creates it) in one step, so a
    // reader sees the old file or the new one, never a mix.
    virtual Replacement ReplaceWholeFile(const std::u16string& path, const std::string& bytes) = 0;
    // Makes the folder unless it exists; false when it cannot be made.
    virtual bool MakeFolder(const std::u16string& path) = 0;
    virtual void Wait(int milliseconds) = 0;
};

// The bytes the settings are read from: of the two files that can be read,
// the one written last (the one beside the program when both were written
// at the same time); "" when neither can.
std::string ReadSettingsFile(SettingsFilePort& port, const SettingsPlaces& places);

// Stores the entries in the section of the file the placement rule picks,
// keeping its other lines and its encoding. A file another program holds is
// tried again for kHeldFileRetryMilliseconds. The save counts only when the
// file then reads back to the entries. Nothing on success; otherwise the
// message for the user, naming the file (and the one beside the program
// when its folder took no file).
std::optional<std::string> SaveSettingsValues(SettingsFilePort& port, const SettingsPlaces& places,
                                              std::string_view section,
                                              const std::vector<IniEntry>& entries);

}  // namespace velmora::settings
