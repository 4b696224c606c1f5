#pragma once
// The settings file through the platform's private-profile functions.

#include "saver/core/settings_store.h"

namespace velmora::saver {

class Win32SettingsPort final : public SettingsPort {
  public:
    // GetPrivateProfileStringA into a 256-byte buffer, empty default.
    std::string ReadIni(const std::string& section, const std::string& key,
                        const std::string& file) override;
    // WritePrivateProfileStringA; its success flag is not examined.
    std::string WriteIni(const std::string& section, const std::string& key,
                         const std::string& value, const std::string& file) override;
    bool CanOpenForReading(const std::string& path) override;
};

}  // namespace velmora::saver
