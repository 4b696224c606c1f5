#pragma once
// The settings file on the platform: whole-file reads, replacement through a
// file beside it, the user's application-data folder, and the file test.
// Paths are code page 932 and reach the platform through its wide calls.

#include <optional>
#include <string>

#include "settings/core/settings_places.h"

namespace velmora::settings {

class Win32SettingsFile final : public SettingsFilePort {
  public:
    bool CanOpenForReading(const std::string& path) override;
    std::optional<std::string> ReadWholeFile(const std::string& path) override;
    bool ReplaceWholeFile(const std::string& path, const std::string& bytes) override;
    bool MakeFolder(const std::string& path) override;
};

// The user's roaming application-data folder in code page 932; "" when the
// platform gives none that code page 932 can name.
std::string AppDataFolder();

}  // namespace velmora::settings
