// The settings file's platform side and the wide texts, run on the Japanese
// code page and on a Western one: both must give the same results.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "settings/core/settings_store.h"
#include "settings/win32/settings_file_io.h"
#include "text/win32/wide_text.h"

namespace velmora::settings {
namespace {

constexpr char kSoftOmote[] = "\x83\x5C\x83\x74\x83\x67\x95\x5C";  // ソフト表
constexpr wchar_t kSoftOmoteWide[] = L"\x30BD\x30D5\x30C8\x8868";

// A fresh folder named ソフト表 in the temporary folder, removed afterwards.
class JapaneseFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        wide = std::wstring(temp) + L"velmora-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               kSoftOmoteWide;
        ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
        folder = text::Cp932Path(wide).value_or("");
        ASSERT_NE(folder.find(kSoftOmote), std::string::npos);
    }
    void TearDown() override {
        for (const wchar_t* name :
             {L"\\Velmora.ini", L"\\Velmora.ini.new", L"\\caf\xE9.wav", L"\\platform.ini"}) {
            const std::wstring file = wide + name;
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        }
        RemoveDirectoryW(wide.c_str());
    }
    std::wstring wide;
    std::string folder;
};

TEST(WideText, RunsOnTheCodePageTheTestWasStartedFor) {
    const char* expected = std::getenv("VELMORA_EXPECTED_ACP");
    ASSERT_NE(expected, nullptr) << "started without the code page it should run on";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::strtoul(expected, nullptr, 10)));
}

TEST(WideText, Cp932TextsComeOutTheSameOnEveryCodePage) {
    EXPECT_EQ(text::WideFromCp932(kSoftOmote), kSoftOmoteWide);
    EXPECT_EQ(text::Cp932FromWide(kSoftOmoteWide), kSoftOmote);
    EXPECT_EQ(text::Cp932FromWide(L"caf\xE9"), "caf?");
    EXPECT_FALSE(text::Cp932Holds(L"caf\xE9"));
    EXPECT_TRUE(text::Cp932Holds(kSoftOmoteWide));
}

TEST_F(JapaneseFolder, ReplacesTheWholeFileAndReadsItBack) {
    Win32SettingsFile io;
    const std::string file = folder + "\\Velmora.ini";
    EXPECT_EQ(io.ReadWholeFile(file), std::nullopt);
    EXPECT_FALSE(io.CanOpenForReading(file));
    ASSERT_TRUE(io.ReplaceWholeFile(file, "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\n"));
    ASSERT_TRUE(io.ReplaceWholeFile(file, "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\n"));
    EXPECT_EQ(io.ReadWholeFile(file), "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\n");
    EXPECT_TRUE(io.CanOpenForReading(file));
    EXPECT_FALSE(io.CanOpenForReading(folder));
    EXPECT_EQ(io.ReadWholeFile(folder), std::nullopt);
    EXPECT_TRUE(io.MakeFolder(folder));

    // A read-only file is refused and stays as it was, with nothing left beside it.
    SetFileAttributesW((wide + L"\\Velmora.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(io.ReplaceWholeFile(file, "lost"));
    EXPECT_EQ(io.ReadWholeFile(file), "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\n");
    EXPECT_FALSE(io.CanOpenForReading(file + ".new"));
}

TEST_F(JapaneseFolder, ThePlatformsProfileFunctionsWriteAndReadTheSameFile) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "the platform's ANSI profile calls take code page 932 only on 932";
    }
    const MusicChoice choice{2, 0, "C:\\\x89\xB9\x8A\x79\\a b.wav"};  // C:\音楽\a b.wav
    Win32SettingsFile io;
    const std::string ours = folder + "\\Velmora.ini";
    const std::string platform = folder + "\\platform.ini";
    ASSERT_TRUE(io.ReplaceWholeFile(ours, WithIniValues("", kSection, StoredValues(choice))));
    for (const IniEntry& entry : StoredValues(choice)) {
        WritePrivateProfileStringA(kSection, entry.key.c_str(), entry.value.c_str(),
                                   platform.c_str());
        char value[256] = {};
        GetPrivateProfileStringA(kSection, entry.key.c_str(), "", value, sizeof value,
                                 ours.c_str());
        EXPECT_EQ(value, entry.value);
    }
    EXPECT_EQ(io.ReadWholeFile(platform), io.ReadWholeFile(ours));
}

TEST_F(JapaneseFolder, ANameCodePage932CannotHoldIsReachedByItsShortForm) {
    const std::wstring wide_file = wide + L"\\caf\xE9.wav";
    HANDLE file = CreateFileW(wide_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    const std::optional<std::string> path = text::Cp932Path(wide_file);
    ASSERT_TRUE(path.has_value()) << "the volume gives no short name";
    EXPECT_TRUE(Win32SettingsFile().CanOpenForReading(*path));
    EXPECT_EQ(text::Cp932Path(wide + L"\\missing\xE9.wav"), std::nullopt);
}

}  // namespace
}  // namespace velmora::settings
