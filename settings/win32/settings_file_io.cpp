#include "settings/win32/settings_file_io.h"

#include <windows.h>

#include <shlobj.h>

#include <optional>

#include "platform_edge/win32/readable_file.h"
#include "settings/core/file_outcomes.h"
#include "text/core/cp932_text.h"
#include "text/win32/wide_text.h"

namespace velmora::settings {

namespace {

static_assert(file_error::kNone == ERROR_SUCCESS);
static_assert(file_error::kFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(file_error::kPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(file_error::kSharingViolation == ERROR_SHARING_VIOLATION);
static_assert(file_error::kLockViolation == ERROR_LOCK_VIOLATION);

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

// The target's read-only flag is looked at itself: not every system refuses
// the open for it.
TargetLook LookAt(const std::wstring& target) {
    TargetLook look;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    look.read_only =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE | DELETE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        look.open_error = GetLastError();
    } else {
        CloseHandle(file);
    }
    return look;
}

}  // namespace

FileRead Win32SettingsFiles::ReadWholeFile(const std::u16string& path) {
    const std::wstring wide = text::WideOf(path);
    ReadAttempt attempt;
    FileRead result;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    attempt.is_folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!attempt.is_folder) {
        HANDLE file = platform_edge::OpenForReading(wide);
        if (file == INVALID_HANDLE_VALUE) {
            attempt.open_error = GetLastError();
        } else {
            std::optional<std::string> bytes = ReadAll(file);
            CloseHandle(file);
            attempt.read_whole = bytes.has_value();
            result.bytes = std::move(bytes).value_or(std::string());
        }
    }
    result.state = ReadStateOf(attempt);
    return result;
}

Replacement Win32SettingsFiles::ReplaceWholeFile(const std::u16string& path,
                                                 const std::string& bytes) {
    const std::wstring target = text::WideOf(path);
    const Replacement allowed = MayReplace(LookAt(target));
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
    return AfterFailedMove(written, LookAt(target));
}

bool Win32SettingsFiles::MakeFolder(const std::u16string& path) {
    return CreateDirectoryW(text::WideOf(path).c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

void Win32Pause::Wait(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}

bool Win32MusicFiles::CanOpenForReading(const text::Cp932String& path) {
    return platform_edge::OpensForReading(text::WideFromCp932(path));
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
