#include "settings/win32/settings_file_io.h"

#include <windows.h>

#include <shlobj.h>

#include <optional>

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

// A file of its own beside the target for this one replacement: no other
// save, at once in this or another process, and no earlier one a scanner
// still holds, shares its name.
std::wstring FreshFileFor(const std::wstring& target) {
    static LONG replacements = 0;
    return target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(InterlockedIncrement(&replacements)) + L".new";
}

bool HeldByAnotherProgram(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Whether an existing file may be replaced now: a read-only file, or one the
// user may not write, refuses for good; one another program holds open
// without sharing may let go soon. The replacing move alone would report
// both as "access denied". The read-only flag is looked at itself: not every
// system refuses the open for it.
Replacement MayReplace(const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return Replacement::Refused;
    }
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE | DELETE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return Replacement::Done;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) {
        return Replacement::Done;
    }
    return HeldByAnotherProgram(error) ? Replacement::Held : Replacement::Refused;
}

}  // namespace

FileRead Win32SettingsFiles::ReadWholeFile(const std::u16string& path) {
    const std::wstring wide = text::WideOf(path);
    FileRead result;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return result;
    }
    HANDLE file = OpenForReading(wide);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (HeldByAnotherProgram(error)) {
            result.state = FileRead::State::Held;
        } else if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            result.state = FileRead::State::Denied;
        }
        return result;
    }
    if (auto bytes = ReadAll(file)) {
        result.state = FileRead::State::Read;
        result.bytes = std::move(*bytes);
    } else {
        result.state = FileRead::State::Held;  // a range another program locked
    }
    CloseHandle(file);
    return result;
}

Replacement Win32SettingsFiles::ReplaceWholeFile(const std::u16string& path,
                                                 const std::string& bytes) {
    const std::wstring target = text::WideOf(path);
    const Replacement allowed = MayReplace(target);
    if (allowed != Replacement::Done) {
        return allowed;
    }
    const std::wstring fresh = FreshFileFor(target);
    HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Replacement::Refused;
    }
    const bool written = WriteAll(file, bytes);
    CloseHandle(file);
    if (written && MoveFileExW(fresh.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return Replacement::Done;
    }
    DeleteFileW(fresh.c_str());
    // Taken by another program between the test and the move, or refused.
    return written && MayReplace(target) == Replacement::Held ? Replacement::Held
                                                              : Replacement::Refused;
}

bool Win32SettingsFiles::MakeFolder(const std::u16string& path) {
    return CreateDirectoryW(text::WideOf(path).c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

void Win32Pause::Wait(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}

bool Win32MusicFiles::CanOpenForReading(const text::Cp932String& path) {
    HANDLE file = OpenForReading(text::WideFromCp932(path));
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

std::u16string Win32TextCodec::FromCp932(text::Cp932View text) {
    return text::Utf16Of(text::WideFromCp932(text));
}

std::u16string Win32TextCodec::FromUtf8(text::Utf8View text) {
    return text::Utf16Of(text::WideFromUtf8(text));
}

text::Cp932String Win32TextCodec::ToCp932(std::u16string_view text) {
    return text::Cp932FromWide(text::WideOf(text));
}

text::Utf8String Win32TextCodec::ToUtf8(std::u16string_view text) {
    return text::Utf8FromWide(text::WideOf(text));
}

std::u16string AppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return std::u16string();
    }
    return text::Utf16Of(folder);
}

}  // namespace velmora::settings
