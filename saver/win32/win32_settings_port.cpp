#include "saver/win32/win32_settings_port.h"

#include <windows.h>

namespace velmora::saver {

std::string Win32SettingsPort::ReadIni(const std::string& section, const std::string& key,
                                       const std::string& file) {
    char buffer[256] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, file.c_str());
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

std::string Win32SettingsPort::WriteIni(const std::string& section, const std::string& key,
                                        const std::string& value, const std::string& file) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
    return std::string();
}

bool Win32SettingsPort::CanOpenForReading(const std::string& path) {
    // A folder cannot be opened this way, so it does not count as a file.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

}  // namespace velmora::saver
