// Our INI reader and writers judged by the platform's own profile functions,
// on thousands of generated files in code page 932 bytes (on the Japanese
// code page, and on any code page for pure ASCII), UTF-16 and UTF-8.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/win32/settings_file_io.h"
#include "tests/settings/support/ini_pieces.h"
#include "text/win32/wide_text.h"

namespace velmora::settings {
namespace {

constexpr int kFiles = 1000;
constexpr DWORD kAnswerSize = 1 << 16;

std::string Hex(std::string_view bytes) {
    std::string hex;
    for (const unsigned char byte : bytes) {
        const char digits[] = "0123456789ABCDEF";
        hex += byte >= 0x20 && byte < 0x7F && byte != '\\'
                   ? std::string(1, byte)
                   : std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
    }
    return hex;
}

class ProfileReaderAgreement : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"velmora-profiles-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    void TearDown() override { RemoveDirectoryW(folder.c_str()); }

    // A fresh name for every file: the platform keeps recently read files.
    std::wstring Put(const std::string& bytes) {
        std::wstring path = folder + L"\\" + std::to_wstring(++files) + L".ini";
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return path;
    }
    std::string Get(const std::wstring& path) {
        return file_io.ReadWholeFile(text::Utf16Of(path)).bytes;
    }

    // The platform's answer in code page 932, through its wide reader (any
    // file) or its ANSI one (code page 932 bytes, read in the system's code page).
    std::string PlatformValue(const std::wstring& path, const std::string& section,
                              const std::string& key, bool ansi) {
        if (ansi) {
            std::string answer(kAnswerSize, '\0');
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", answer.data(), kAnswerSize,
                                     text::Cp932FromWide(path).Bytes().c_str());
            answer.resize(answer.find('\0'));  // the answer ends at its terminator
            return answer;
        }
        std::wstring answer(kAnswerSize, L'\0');
        GetPrivateProfileStringW(text::WideFromCp932(text::Cp932View(section)).c_str(),
                                 text::WideFromCp932(text::Cp932View(key)).c_str(), L"",
                                 answer.data(), kAnswerSize, path.c_str());
        return text::Cp932FromWide(answer.c_str()).Bytes();
    }

    // Ours, as the platform would hand it over: a pair of bytes that is no
    // character of code page 932 comes back as the platform's stand-in.
    std::string OurValue(const std::string& file, const std::string& section,
                         const std::string& key) {
        const text::Cp932String value =
            ReadIniValue(file, text::Cp932View(section), text::Cp932View(key), io);
        return text::Cp932FromWide(text::WideFromCp932(text::Cp932View(value.Bytes().c_str())))
            .Bytes();
    }

    // Forms of a generated text the platform reads as we do on this code page.
    std::vector<std::pair<std::string, bool>> Forms(const std::string& cp932) {
        const std::wstring wide = text::WideFromCp932(text::Cp932View(cp932));
        std::vector<std::pair<std::string, bool>> forms = {
            {"\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2),
             false},
            {"\xEF\xBB\xBF" + text::Utf8FromWide(wide).Bytes(), false}};
        const bool ascii = std::all_of(cp932.begin(), cp932.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (GetACP() == 932 || ascii) {
            forms.push_back({cp932, true});
        }
        return forms;
    }

    // Every asked key of every asked section of the file, ours against the platform's.
    void ExpectSameAnswers(const std::string& file, bool ansi, const char* what) {
        const std::wstring path = Put(file);
        for (const std::string& section : testing::kAskedSections) {
            for (const std::string& key : testing::kAskedKeys) {
                const std::string platform = PlatformValue(path, section, key, ansi);
                if (platform != OurValue(file, section, key) && ++mismatches <= 8) {
                    ADD_FAILURE() << what << " [" << Hex(section) << "] " << Hex(key)
                                  << ": platform \"" << Hex(platform) << "\", ours \""
                                  << Hex(OurValue(file, section, key)) << "\" in\n"
                                  << Hex(file);
                }
            }
        }
        DeleteFileW(path.c_str());
    }

    Win32SettingsFiles file_io;
    Win32TextCodec io;
    std::wstring folder;
    int files = 0;
    int mismatches = 0;
};

TEST_F(ProfileReaderAgreement, OurReaderAnswersAsThePlatformsDoes) {
    testing::IniPieces pieces(15);
    for (int i = 0; i < kFiles; ++i) {
        for (const auto& [file, ansi] : Forms(pieces.File())) {
            ExpectSameAnswers(file, ansi, "read");
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(ProfileReaderAgreement, EachWritersFilesReadTheSameThroughTheOther) {
    testing::IniPieces pieces(16);
    for (int i = 0; i < kFiles / 3; ++i) {
        const std::string section = pieces.Pick({"Section", "a]b"});
        std::vector<IniEntry> entries;
        entries.reserve(testing::kAskedKeys.size());
        for (const std::string& key : testing::kAskedKeys) {
            entries.push_back({text::Cp932String(key), text::Cp932String(pieces.Value())});
        }
        for (const auto& [file, ansi] : Forms(pieces.File())) {
            // Ours written, the platform reads the values we meant.
            const std::wstring ours =
                Put(WithIniValues(file, text::Cp932View(section), entries, io));
            for (const IniEntry& entry : entries) {
                EXPECT_EQ(PlatformValue(ours, section, entry.key.Bytes(), ansi),
                          entry.value.Bytes())
                    << Hex(file);
            }
            DeleteFileW(ours.c_str());
            // The platform's written, we read what it reads.
            const std::wstring platform = Put(file);
            for (const IniEntry& entry : entries) {
                if (ansi) {
                    WritePrivateProfileStringA(section.c_str(), entry.key.Bytes().c_str(),
                                               entry.value.Bytes().c_str(),
                                               text::Cp932FromWide(platform).Bytes().c_str());
                } else {
                    WritePrivateProfileStringW(
                        text::WideFromCp932(text::Cp932View(section)).c_str(),
                        text::WideFromCp932(entry.key).c_str(),
                        text::WideFromCp932(entry.value).c_str(), platform.c_str());
                }
            }
            WritePrivateProfileStringW(nullptr, nullptr, nullptr, platform.c_str());  // flushed
            ExpectSameAnswers(Get(platform), ansi, "written by the platform");
            DeleteFileW(platform.c_str());
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace velmora::settings
