#include "settings/win32/private_profile_port.h"

#include <windows.h>

namespace velmora::settings {

std::string PrivateProfilePort::ReadValue(const std::string& key, const std::string& file) {
    char buffer[256] = {};
    GetPrivateProfileStringA(kSection, key.c_str(), "", buffer, sizeof buffer, file.c_str());
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

void PrivateProfilePort::WriteValue(const std::string& key, const std::string& value,
                                    const std::string& file) {
    WritePrivateProfileStringA(kSection, key.c_str(), value.c_str(), file.c_str());
}

bool PrivateProfilePort::CanOpenForReading(const std::string& path) {
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

}  // namespace velmora::settings
