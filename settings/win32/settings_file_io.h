#pragma once
// The settings files on the platform: whole-file reads with the time of the
// last write, replacement through a file beside the target, the test whether
// a folder takes a new file, the user's application-data folder, the music
// file test, and the platform's own text conversions. The settings paths are
// wide from end to end; only the music file's path is code page 932.

#include <optional>
#include <string>

#include "settings/core/settings_places.h"

namespace velmora::settings {

class Win32SettingsFile final : public SettingsFilePort {
  public:
    bool CanOpenForReading(const std::string& path) override;
    FileRead ReadWholeFile(const std::u16string& path) override;
    bool FolderAcceptsNewFile(const std::u16string& folder) override;
    Replacement ReplaceWholeFile(const std::u16string& path, const std::string& bytes) override;
    bool MakeFolder(const std::u16string& path) override;
    void Wait(int milliseconds) override;
    std::u16string Widen(std::string_view bytes, IniEncoding encoding) override;
    std::string Narrow(std::u16string_view text, IniEncoding encoding) override;
};

// The user's roaming application-data folder; "" when the platform gives none.
std::u16string AppDataFolder();

}  // namespace velmora::settings
