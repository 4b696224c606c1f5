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
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
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
    const std::u16string file = text::Utf16Of(wide + L"\\Velmora.ini");
    EXPECT_EQ(io.ReadWholeFile(file).state, FileRead::State::Missing);
    EXPECT_TRUE(io.FolderAcceptsNewFile(text::Utf16Of(wide)));
    ASSERT_EQ(io.ReplaceWholeFile(file, "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\n"),
              Replacement::Done);
    const FileRead first = io.ReadWholeFile(file);
    Sleep(20);
    ASSERT_EQ(io.ReplaceWholeFile(file, "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\n"),
              Replacement::Done);
    const FileRead second = io.ReadWholeFile(file);
    EXPECT_EQ(second.state, FileRead::State::Read);
    EXPECT_EQ(second.bytes, "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\n");
    EXPECT_GT(second.last_written, first.last_written);
    EXPECT_EQ(io.ReadWholeFile(text::Utf16Of(wide)).state, FileRead::State::Missing);
    EXPECT_TRUE(io.MakeFolder(text::Utf16Of(wide)));

    // Held open by another program, shared for reading and writing but not
    // for deleting: readable, not replaceable.
    HANDLE held =
        CreateFileW((wide + L"\\Velmora.ini").c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(io.ReplaceWholeFile(file, "lost"), Replacement::Held);
    EXPECT_EQ(io.ReadWholeFile(file).bytes, second.bytes);
    CloseHandle(held);

    // A read-only file is refused and stays as it was, with nothing left beside it.
    SetFileAttributesW((wide + L"\\Velmora.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(io.ReplaceWholeFile(file, "lost"), Replacement::Refused);
    EXPECT_EQ(io.ReadWholeFile(file).bytes, second.bytes);
    EXPECT_EQ(io.ReadWholeFile(file + u".new").state, FileRead::State::Missing);
}

TEST_F(JapaneseFolder, SavesAndLoadsInAFolderCodePage932CannotName) {
    const std::wstring cafe = wide + L"\\caf\xE9";
    ASSERT_TRUE(CreateDirectoryW(cafe.c_str(), nullptr));
    Win32SettingsFile io;
    const SettingsPlaces places = PlacesFor(text::Utf16Of(cafe), u"");
    const MusicChoice saved{1, 12, ""};
    EXPECT_EQ(SaveMusicChoice(io, places, saved), std::nullopt);
    MusicChoice loaded;
    LoadMusicChoice(io, places, loaded);
    EXPECT_EQ(loaded.repeat_track, 12);
    EXPECT_TRUE(DeleteFileW((cafe + L"\\Velmora.ini").c_str()));
    RemoveDirectoryW(cafe.c_str());
}

TEST_F(JapaneseFolder, ALongPathReachesTheSoundCallsByItsShortForm) {
    const std::wstring outer = wide + L"\\" + std::wstring(80, L'\x6D41');  // 流 x 80
    const std::wstring inner = outer + L"\\" + std::wstring(40, L'\x6D41');
    const std::wstring wav = inner + L"\\a.wav";
    CreateDirectoryW(outer.c_str(), nullptr);
    CreateDirectoryW(inner.c_str(), nullptr);
    CloseHandle(CreateFileW(wav.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::optional<std::string> playable = text::SoundCallPath(text::Cp932FromWide(wav));
    const bool opens = playable && Win32SettingsFile().CanOpenForReading(*playable);
    DeleteFileW(wav.c_str());
    RemoveDirectoryW(inner.c_str());
    RemoveDirectoryW(outer.c_str());

    EXPECT_GE(wav.size(), text::kSoundCallPathLimit);
    ASSERT_TRUE(playable.has_value()) << "the volume gives no short name";
    EXPECT_LT(text::WideFromCp932(*playable).size(), text::kSoundCallPathLimit);
    EXPECT_TRUE(opens);
    EXPECT_EQ(text::SoundCallPath("C:\\a.wav"), "C:\\a.wav");
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
