#include "settings/win32/settings_file_io.h"

#include <windows.h>

#include <shlobj.h>

#include "text/core/cp932_text.h"
#include "text/win32/wide_text.h"

namespace velmora::settings {

namespace {

// Other programs may hold the file open for anything; reading shares all.
HANDLE OpenForReading(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file);
}

std::optional<std::string> ReadAll(HANDLE file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart >= 0x7FFFFFFF) {
        return std::nullopt;
    }
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr) ||
        read != content.size()) {
        return std::nullopt;
    }
    return content;
}

// The file beside the target that a replacement is written to first.
std::wstring FreshFileFor(const std::wstring& target) {
    return target + L".new";
}

// Another program holding the file open refuses its replacement with one of
// these; it may let go soon.
bool HeldByAnotherProgram(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

}  // namespace

FileRead Win32SettingsFile::ReadWholeFile(const std::u16string& path) {
    const std::wstring wide = text::WideOf(path);
    FileRead result;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            result.state = FileRead::State::Unreadable;
        }
        return result;
    }
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return result;
    }
    result.state = FileRead::State::Unreadable;
    result.last_written = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                          data.ftLastWriteTime.dwLowDateTime;
    HANDLE file = OpenForReading(wide);
    if (file == INVALID_HANDLE_VALUE) {
        return result;
    }
    if (auto bytes = ReadAll(file)) {
        result.state = FileRead::State::Read;
        result.bytes = std::move(*bytes);
    }
    CloseHandle(file);
    return result;
}

bool Win32SettingsFile::FolderAcceptsNewFile(const std::u16string& folder) {
    const std::wstring probe =
        FreshFileFor(text::WideOf(text::InFolder(folder, kSettingsFileName)));
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

Replacement Win32SettingsFile::ReplaceWholeFile(const std::u16string& path,
                                                const std::string& bytes) {
    const std::wstring target = text::WideOf(path);
    // A read-only file is not written over (the move alone would not stop
    // everywhere).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return Replacement::Refused;
    }
    const std::wstring fresh = FreshFileFor(target);
    HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Replacement::Refused;
    }
    const bool written = WriteAll(file, bytes);
    CloseHandle(file);
    if (!written) {
        DeleteFileW(fresh.c_str());
        return Replacement::Refused;
    }
    if (!MoveFileExW(fresh.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(fresh.c_str());
        return HeldByAnotherProgram(error) ? Replacement::Held : Replacement::Refused;
    }
    return Replacement::Done;
}

bool Win32SettingsFile::MakeFolder(const std::u16string& path) {
    return CreateDirectoryW(text::WideOf(path).c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

void Win32SettingsFile::Wait(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}

bool Win32SettingsFile::CanOpenForReading(const std::string& path) {
    HANDLE file = OpenForReading(text::WideFromCp932(path));
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

std::u16string Win32SettingsFile::Widen(std::string_view bytes, IniEncoding encoding) {
    return text::Utf16Of(encoding == IniEncoding::Utf8 ? text::WideFromUtf8(bytes)
                                                       : text::WideFromCp932(bytes));
}

std::string Win32SettingsFile::Narrow(std::u16string_view text, IniEncoding encoding) {
    const std::wstring wide = text::WideOf(text);
    return encoding == IniEncoding::Utf8 ? text::Utf8FromWide(wide) : text::Cp932FromWide(wide);
}

std::u16string AppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return std::u16string();
    }
    return text::Utf16Of(folder);
}

}  // namespace velmora::settings
