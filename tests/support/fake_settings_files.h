// The settings file's port in memory: files by path with the time of their
// last write, folders, the music files that open, and the ways the platform
// refuses (a read-only place, a file another program holds for a while, a
// file that cannot be read, a write the disk does not keep). Texts convert
// through iconv as the platform converts them.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <cerrno>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "settings/core/settings_places.h"

namespace velmora::testing {

// UTF-16 (little-endian) bytes of a text and back.
inline std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
inline std::u16string Utf16Text(std::string_view bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return text;
}

#if defined(_WIN32)
inline std::u16string Widened(std::string_view bytes, settings::IniEncoding encoding) {
    const UINT code_page = encoding == settings::IniEncoding::Utf8 ? CP_UTF8 : 932;
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), wide.size());
    return std::u16string(wide.begin(), wide.end());
}
inline std::string Narrowed(std::u16string_view text, settings::IniEncoding encoding) {
    const UINT code_page = encoding == settings::IniEncoding::Utf8 ? CP_UTF8 : 932;
    const std::wstring wide(text.begin(), text.end());
    const int size = static_cast<int>(wide.size());
    std::string bytes(
        WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), size, bytes.data(), bytes.size(), nullptr,
                        nullptr);
    return bytes;
}
#else
// Converts with iconv; a character it cannot convert becomes "?".
inline std::string Iconv(const char* to, const char* from, std::string_view in, std::size_t unit) {
    iconv_t cd = iconv_open(to, from);
    std::string out;
    std::string input(in);
    char* src = input.data();
    std::size_t src_left = input.size();
    while (src_left > 0) {
        char buffer[256];
        char* dst = buffer;
        std::size_t dst_left = sizeof buffer;
        const std::size_t done = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, dst - buffer);
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += std::string_view(to) == "UTF-16LE" ? std::string("?\0", 2) : std::string("?");
            src += std::min(unit, src_left);
            src_left -= std::min(unit, src_left);
        }
    }
    iconv_close(cd);
    return out;
}
inline std::u16string Widened(std::string_view bytes, settings::IniEncoding encoding) {
    const char* from = encoding == settings::IniEncoding::Utf8 ? "UTF-8" : "CP932";
    return Utf16Text(Iconv("UTF-16LE", from, bytes, 1));
}
inline std::string Narrowed(std::u16string_view text, settings::IniEncoding encoding) {
    const char* to = encoding == settings::IniEncoding::Utf8 ? "UTF-8" : "CP932";
    return Iconv(to, "UTF-16LE", Utf16Bytes(text), 2);
}
#endif

class FakeSettingsFiles final : public settings::SettingsFilePort {
  public:
    struct File {
        std::string bytes;
        std::uint64_t last_written = 0;
    };
    std::map<std::u16string, File> files;
    std::set<std::u16string> folders;
    std::set<std::u16string> refused;        // files and folders that cannot be written
    std::set<std::u16string> unreadable;     // files that exist but cannot be read
    std::map<std::u16string, int> held_for;  // milliseconds another program holds a file
    std::set<std::u16string> writes_lost;    // replaced "successfully", yet unchanged
    std::set<std::string> music_files;       // code page 932 paths that open
    int waited = 0;                          // milliseconds
    std::uint64_t clock = 100;

    void Put(const std::u16string& path, std::string bytes) {
        files[path] = {std::move(bytes), ++clock};
    }
    std::string Bytes(const std::u16string& path) { return files.at(path).bytes; }

    bool CanOpenForReading(const std::string& path) override { return music_files.count(path); }
    settings::FileRead ReadWholeFile(const std::u16string& path) override {
        using State = settings::FileRead::State;
        const auto file = files.find(path);
        if (file == files.end()) {
            return {};
        }
        if (unreadable.count(path)) {
            return {State::Unreadable, "", file->second.last_written};
        }
        return {State::Read, file->second.bytes, file->second.last_written};
    }
    bool FolderAcceptsNewFile(const std::u16string& folder) override {
        return !refused.count(folder);
    }
    settings::Replacement ReplaceWholeFile(const std::u16string& path,
                                           const std::string& bytes) override {
        if (refused.count(path)) {
            return settings::Replacement::Refused;
        }
        if (held_for.count(path) && held_for[path] > waited) {
            return settings::Replacement::Held;
        }
        if (!writes_lost.count(path)) {
            Put(path, bytes);
        }
        return settings::Replacement::Done;
    }
    bool MakeFolder(const std::u16string& path) override {
        if (refused.count(path)) {
            return false;
        }
        folders.insert(path);
        return true;
    }
    void Wait(int milliseconds) override { waited += milliseconds; }

    std::u16string Widen(std::string_view bytes, settings::IniEncoding encoding) override {
        return Widened(bytes, encoding);
    }
    std::string Narrow(std::u16string_view text, settings::IniEncoding encoding) override {
        return Narrowed(text, encoding);
    }
};

}  // namespace velmora::testing
