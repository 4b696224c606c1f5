#pragma once
// A file opened for reading as both programs' files and the chosen music are:
// other programs may hold it open for anything, so the open shares all.

#include <windows.h>

#include <string>

namespace velmora::platform_edge {

inline HANDLE OpenForReading(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Whether the path is a file that opens for reading now (a folder is not).
inline bool OpensForReading(const std::wstring& path) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

}  // namespace velmora::platform_edge
