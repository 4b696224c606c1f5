// The settings model's ports in memory: files by path, folders, the music
// files that open, and the ways the platform refuses (a read-only place, a
// file another program holds for a while, a file the user may not read, a
// write the disk does not keep, any call failing when a test says so, a
// process killed after some calls). Texts convert through iconv as the
// platform converts them.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <cerrno>
#include <climits>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "settings/core/settings_places.h"
#include "settings/core/settings_ports.h"
#include "tests/support/encoded_text_printing.h"
#include "text/core/cp932_text.h"

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

class FakeSettingsFiles final : public settings::SettingsFiles,
                                public settings::TextCodec,
                                public settings::MusicFiles,
                                public settings::Pause {
  public:
    // How a call fails when a test makes it fail: another program holds the
    // file for that moment, or the platform refuses.
    enum class Fault { None, Held, Denied };

    std::map<std::u16string, std::string> files;
    std::set<std::u16string> folders;          // folders made by the model
    std::set<std::u16string> absent_folders;   // no file can be read or made in these
    std::set<std::u16string> refused;          // files and folders that cannot be written
    std::set<std::u16string> denied;           // files that exist but cannot be read
    std::map<std::u16string, int> held_until;  // `waited` at which another program lets go
    std::set<std::u16string> writes_lost;      // replaced "successfully", yet unchanged
    std::set<text::Cp932String> music_files;   // the paths that open
    int waited = 0;                            // milliseconds
    std::function<Fault()> next_fault = [] { return Fault::None; };
    int calls_until_killed = INT_MAX;  // the process dies at 0: nothing it asks happens

    settings::SettingsPorts Ports() { return {*this, *this, *this, *this}; }
    void Put(const std::u16string& path, std::string bytes) { files[path] = std::move(bytes); }
    std::string Bytes(const std::u16string& path) { return files.at(path); }
    void HoldFor(const std::u16string& path, int milliseconds) {
        held_until[path] = milliseconds == INT_MAX ? INT_MAX : waited + milliseconds;
    }

    settings::FileRead ReadWholeFile(const std::u16string& path) override {
        using State = settings::FileRead::State;
        const Fault fault = Call();
        const auto file = files.find(path);
        if (file == files.end() || InAbsentFolder(path)) {
            return {};
        }
        if (fault == Fault::Denied || denied.count(path)) {
            return {State::Denied, ""};
        }
        if (fault == Fault::Held || Held(path)) {
            return {State::Held, ""};
        }
        return {State::Read, file->second};
    }
    settings::Replacement ReplaceWholeFile(const std::u16string& path,
                                           const std::string& bytes) override {
        const Fault fault = Call();
        if (fault == Fault::Denied || refused.count(path) || InAbsentFolder(path) ||
            refused.count(text::FolderOf(path))) {
            return settings::Replacement::Refused;
        }
        if (fault == Fault::Held || Held(path)) {
            return settings::Replacement::Held;
        }
        if (!writes_lost.count(path)) {
            Put(path, bytes);
        }
        return settings::Replacement::Done;
    }
    bool MakeFolder(const std::u16string& path) override {
        if (Call() != Fault::None || refused.count(path)) {
            return false;
        }
        absent_folders.erase(path);
        folders.insert(path);
        return true;
    }
    bool CanOpenForReading(const text::Cp932String& path) override {
        return music_files.count(path);
    }
    void Wait(int milliseconds) override { waited += milliseconds; }

    std::u16string FromCp932(text::Cp932View text) override {
        return Widened(text.Bytes(), settings::IniEncoding::Cp932);
    }
    std::u16string FromUtf8(text::Utf8View text) override {
        return Widened(text.Bytes(), settings::IniEncoding::Utf8);
    }
    text::Cp932String ToCp932(std::u16string_view text) override {
        return text::Cp932String(Narrowed(text, settings::IniEncoding::Cp932));
    }
    text::Utf8String ToUtf8(std::u16string_view text) override {
        return text::Utf8String(Narrowed(text, settings::IniEncoding::Utf8));
    }

  private:
    Fault Call() {
        if (calls_until_killed <= 0) {
            return Fault::Denied;
        }
        --calls_until_killed;
        return calls_until_killed == 0 ? Fault::Denied : next_fault();
    }
    bool Held(const std::u16string& path) {
        const auto held = held_until.find(path);
        return held != held_until.end() && held->second > waited;
    }
    bool InAbsentFolder(const std::u16string& path) {
        return absent_folders.count(text::FolderOf(path)) > 0;
    }
};

}  // namespace velmora::testing
