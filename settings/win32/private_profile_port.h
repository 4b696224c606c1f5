#pragma once
// The settings file through the platform's private-profile functions.

#include "settings/core/settings_store.h"

namespace velmora::settings {

class PrivateProfilePort final : public SettingsPort {
  public:
    // GetPrivateProfileStringA into a 256-byte buffer, empty default.
    std::string ReadValue(const std::string& key, const std::string& file) override;
    // WritePrivateProfileStringA; its success flag is not examined.
    void WriteValue(const std::string& key, const std::string& value,
                    const std::string& file) override;
    bool CanOpenForReading(const std::string& path) override;
};

}  // namespace velmora::settings
