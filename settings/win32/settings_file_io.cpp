#include "settings/win32/settings_file_io.h"

#include <windows.h>

#include <shlobj.h>

#include "text/win32/wide_text.h"

namespace velmora::settings {

namespace {

HANDLE OpenForReading(const std::string& path) {
    return CreateFileW(text::WideFromCp932(path).c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file);
}

}  // namespace

std::optional<std::string> Win32SettingsFile::ReadWholeFile(const std::string& path) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<std::string> bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF) {
        std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr) &&
            read == content.size()) {
            bytes = std::move(content);
        }
    }
    CloseHandle(file);
    return bytes;
}

bool Win32SettingsFile::ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    const std::wstring target = text::WideFromCp932(path);
    // A read-only file is not written over (the move alone would not stop
    // everywhere).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    const std::wstring fresh = target + L".new";
    HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes);
    CloseHandle(file);
    if (!written || !MoveFileExW(fresh.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(fresh.c_str());
        return false;
    }
    return true;
}

bool Win32SettingsFile::MakeFolder(const std::string& path) {
    return CreateDirectoryW(text::WideFromCp932(path).c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

bool Win32SettingsFile::CanOpenForReading(const std::string& path) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

std::string AppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return std::string();
    }
    return text::Cp932Path(folder).value_or(std::string());
}

}  // namespace velmora::settings
