#include "text/win32/wide_text.h"

namespace velmora::text {

namespace {

constexpr UINT kCodePage932 = 932;

std::wstring WideFrom(UINT code_page, std::string_view text) {
    if (text.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string BytesFrom(UINT code_page, DWORD flags, std::wstring_view text) {
    if (text.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(code_page, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(code_page, flags, text.data(), size, bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

// The path's short (8.3) form; nothing when the volume gives none.
std::optional<std::wstring> ShortForm(const std::wstring& path) {
    const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (length == 0) {
        return std::nullopt;
    }
    std::wstring short_path(length, L'\0');
    const DWORD written = GetShortPathNameW(path.c_str(), short_path.data(), length);
    if (written == 0 || written >= length) {
        return std::nullopt;
    }
    short_path.resize(written);
    return short_path;
}

}  // namespace

std::wstring WideFromCp932(Cp932View text) {
    return WideFrom(kCodePage932, text.Bytes());
}

Cp932String Cp932FromWide(std::wstring_view text) {
    return Cp932String(BytesFrom(kCodePage932, WC_NO_BEST_FIT_CHARS, text));
}

std::wstring WideFromUtf8(Utf8View text) {
    return WideFrom(CP_UTF8, text.Bytes());
}

Utf8String Utf8FromWide(std::wstring_view text) {
    return Utf8String(BytesFrom(CP_UTF8, 0, text));
}

std::wstring WideOf(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string Utf16Of(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

bool Cp932Holds(std::wstring_view text) {
    BOOL lost = FALSE;
    WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(),
                        static_cast<int>(text.size()), nullptr, 0, nullptr, &lost);
    return !lost;
}

PathForms PathFormsOf(const std::wstring& path) {
    const auto form = [](std::wstring_view wide) {
        return PathForm{Cp932FromWide(wide), Cp932Holds(wide), wide.size()};
    };
    PathForms forms{form(path), std::nullopt};
    if (const std::optional<std::wstring> short_path = ShortForm(path)) {
        forms.short_form = form(*short_path);
    }
    return forms;
}

void ShowMessage(HWND owner, Cp932View text, Cp932View caption) {
    MessageBoxW(owner, WideFromCp932(text).c_str(), WideFromCp932(caption).c_str(), MB_OK);
}

}  // namespace velmora::text
