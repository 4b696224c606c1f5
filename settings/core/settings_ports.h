#pragma once
// What the settings model asks of the platform, one role a port: the
// settings files, the test whether a music file opens, the pause between
// tries. The text conversions are TextCodec (ini_text.h).

#include <string>

#include "settings/core/ini_text.h"
#include "text/core/cp932_string.h"

namespace velmora::settings {

// What reading a whole file found. A file that exists but cannot be read now
// is not a missing one: another program may hold it (and let go soon), or
// the user may not read it at all.
struct FileRead {
    enum class State { Missing, Held, Denied, Read };
    State state = State::Missing;
    std::string bytes;
};

enum class Replacement {
    Done,
    Refused,  // read-only, not the user's to write, or no file can be made there
    Held,     // another program holds the file open; may succeed later
};

// The settings files. Paths are UTF-16 from the platform to every call.
class SettingsFiles {
  public:
    virtual ~SettingsFiles() = default;
    virtual FileRead ReadWholeFile(const std::u16string& path) = 0;
    // Puts these bytes in place of the file (or creates it) in one step, so a
    // reader sees the old file or the new one, never a mix, and no other file
    // is left behind.
    virtual Replacement ReplaceWholeFile(const std::u16string& path, const std::string& bytes) = 0;
    // Makes the folder unless it exists; false when it cannot be made.
    virtual bool MakeFolder(const std::u16string& path) = 0;
};

class MusicFiles {
  public:
    virtual ~MusicFiles() = default;
    // True when the path can be opened as a file for reading
    // (a folder cannot).
    virtual bool CanOpenForReading(const text::Cp932String& path) = 0;
};

class Pause {
  public:
    virtual ~Pause() = default;
    virtual void Wait(int milliseconds) = 0;
};

struct SettingsPorts {
    SettingsFiles& files;
    TextCodec& codec;
    MusicFiles& music;
    Pause& pause;
};

}  // namespace velmora::settings
