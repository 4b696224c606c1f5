// The settings file's platform side and the wide texts, run on the Japanese
// code page and on a Western one: both must give the same results.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "contract/run_contract.h"
#include "settings/core/settings_store.h"
#include "settings/win32/settings_file_io.h"
#include "text/core/ascii_text.h"
#include "text/win32/wide_text.h"

namespace velmora::settings {
namespace {

constexpr text::Cp932View kSoftOmote{"\x83\x5C\x83\x74\x83\x67\x95\x5C"};  // ソフト表
constexpr wchar_t kSoftOmoteWide[] = L"\x30BD\x30D5\x30C8\x8868";

std::wstring SettingsFileName() {
    return text::AsciiWidened<wchar_t>(contract::kSettingsFileName);
}

// A fresh folder named ソフト表 in the temporary folder, removed afterwards.
class JapaneseFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        wide = std::wstring(temp) + L"velmora-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               kSoftOmoteWide;
        ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
        folder = text::KeptName(text::PathFormsOf(wide)).value_or(text::Cp932String());
        ASSERT_NE(folder.Bytes().find(kSoftOmote.Bytes()), std::string::npos);
    }
    void TearDown() override {
        for (const std::wstring& name :
             {SettingsFileName(), std::wstring(L"caf\xE9.wav"), std::wstring(L"platform.ini")}) {
            const std::wstring file = wide + L"\\" + name;
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        }
        RemoveDirectoryW(wide.c_str());
    }
    std::wstring wide;
    text::Cp932String folder;
};

TEST(WideText, RunsOnTheCodePageTheTestWasStartedFor) {
    const char* expected = std::getenv("VELMORA_EXPECTED_ACP");
    ASSERT_NE(expected, nullptr) << "started without the code page it should run on";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::strtoul(expected, nullptr, 10)));
}

TEST(WideText, Cp932TextsComeOutTheSameOnEveryCodePage) {
    EXPECT_EQ(text::WideFromCp932(kSoftOmote), kSoftOmoteWide);
    EXPECT_EQ(text::Cp932FromWide(kSoftOmoteWide), kSoftOmote);
    EXPECT_EQ(text::Cp932FromWide(L"caf\xE9"), text::Cp932View("caf?"));
    EXPECT_FALSE(text::Cp932Holds(L"caf\xE9"));
    EXPECT_TRUE(text::Cp932Holds(kSoftOmoteWide));
}

// The machine's ways with the settings files, on real files: the places
// are a program folder and a user's folder in the test's own folder.
class SettingsOnDisk : public JapaneseFolder {
  protected:
    void SetUp() override {
        JapaneseFolder::SetUp();
        program = wide + L"\\caf\xE9";
        ASSERT_TRUE(CreateDirectoryW(program.c_str(), nullptr));
        places = PlacesFor(text::Utf16Of(program), text::Utf16Of(wide));
        beside = text::WideOf(places.file_beside_program);
        per_user = text::WideOf(places.per_user_file);
    }
    void TearDown() override {
        for (const std::wstring& file : {beside, per_user}) {
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        }
        EXPECT_EQ(FilesIn(program), 0) << "a file was left behind";
        RemoveDirectoryW(program.c_str());
        RemoveDirectoryW(text::WideOf(places.per_user_folder).c_str());
        JapaneseFolder::TearDown();
    }
    static int FilesIn(const std::wstring& folder) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        int count = 0;
        for (bool more = search != INVALID_HANDLE_VALUE; more;
             more = FindNextFileW(search, &found)) {
            count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        }
        FindClose(search);
        return count;
    }
    static void Write(const std::wstring& path, const std::string& bytes) {
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    std::string Bytes(const std::wstring& path) {
        return ports.Ports().files.ReadWholeFile(text::Utf16Of(path)).bytes;
    }
    MusicChoice Load(std::vector<std::u16string>* unreadable = nullptr) {
        MusicChoice loaded;
        const auto missed = LoadMusicChoice(ports.Ports(), places, loaded);
        if (unreadable) {
            *unreadable = missed;
        }
        return loaded;
    }
    std::optional<text::Cp932String> Save(const MusicChoice& choice) {
        return SaveMusicChoice(ports.Ports(), places, choice);
    }

    Win32SettingsPorts ports;
    SettingsPlaces places;
    std::wstring program;  // a folder code page 932 cannot name
    std::wstring beside;
    std::wstring per_user;
};

// [Section] with BGM区分 and BGMﾘﾋﾟｰﾄ set.
std::string Stored(int kind, int track) {
    return "[Section]\r\nBGM\x8B\xE6\x95\xAA=" + std::to_string(kind) +
           "\r\nBGM\xD8\xCB\xDF\xB0\xC4=" + std::to_string(track) + "\r\n";
}

TEST_F(SettingsOnDisk, WhatASaveReportsIsWhatTheNextLoadReadsWhateverTheClocks) {
    for (const std::wstring* ahead : {&per_user, &beside}) {
        Write(beside, Stored(1, 3));
        CreateDirectoryW(text::WideOf(places.per_user_folder).c_str(), nullptr);
        Write(per_user, Stored(1, 4));
        // Stamped six hours ahead, as by a fast clock or another machine's.
        HANDLE file = CreateFileW(ahead->c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                  0, nullptr);
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        ULARGE_INTEGER later;
        later.LowPart = now.dwLowDateTime;
        later.HighPart = now.dwHighDateTime;
        later.QuadPart += 6ULL * 3600 * 10000000;
        const FILETIME stamp{later.LowPart, later.HighPart};
        ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &stamp));
        CloseHandle(file);
        ASSERT_EQ(Save({0, 0, {}}), std::nullopt);
        EXPECT_EQ(Load().kind, 0);
        DeleteFileW(per_user.c_str());
    }
}

TEST_F(SettingsOnDisk, AFileHeldWithNoSharingIsWaitedForThenNamed) {
    Write(beside, Stored(1, 3));
    CreateDirectoryW(text::WideOf(places.per_user_folder).c_str(), nullptr);
    Write(per_user, Stored(0, 4));
    HANDLE held =
        CreateFileW(per_user.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE letting_go = CreateThread(
        nullptr, 0,
        [](void* file) -> DWORD {
            Sleep(500);
            return CloseHandle(static_cast<HANDLE>(file));
        },
        held, 0, nullptr);
    EXPECT_EQ(Load().repeat_track, 4);  // the newer choice, not the other file's
    WaitForSingleObject(letting_go, INFINITE);
    CloseHandle(letting_go);

    held = CreateFileW(per_user.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<std::u16string> unreadable;
    EXPECT_EQ(Load(&unreadable).repeat_track, 3);
    EXPECT_EQ(unreadable, std::vector<std::u16string>{places.per_user_file});
    EXPECT_NE(Save({0, 5, {}}), std::nullopt) << "a choice it could not see is not replaced";
    CloseHandle(held);
    EXPECT_EQ(Load().repeat_track, 4);
}

TEST_F(SettingsOnDisk, ASaveKeepsEveryOtherByteInEachEncoding) {
    // UTF-8 with a note in code page 932 bytes; UTF-16 with an odd last byte.
    const std::string utf8_note = "[Note]\r\n\x95\x5C\x82\xA0\r\n";
    Write(beside, "\xEF\xBB\xBF" + utf8_note + "[Section]\r\nBGM\xE5\x8C\xBA\xE5\x88\x86=1\r\n");
    ASSERT_EQ(Save({0, 2, {}}), std::nullopt);
    EXPECT_EQ(Bytes(beside),
              "\xEF\xBB\xBF" + utf8_note +
                  "[Section]\r\nBGM\xE5\x8C\xBA\xE5\x88\x86=0\r\n"
                  "BGM\xEF\xBE\x98\xEF\xBE\x8B\xEF\xBE\x9F\xEF\xBD\xB0\xEF\xBE\x84=2\r\n"
                  "BGM\xEF\xBE\x8C\xEF\xBD\xA7\xEF\xBD\xB2\xEF\xBE\x99=\r\n");

    Write(beside, std::string("\xFF\xFE;\0\r\0\n\0\x07", 9));
    ASSERT_EQ(Save({1, 2, {}}), std::nullopt);
    const std::string saved = Bytes(beside);
    EXPECT_EQ(saved.substr(0, 8), std::string("\xFF\xFE;\0\r\0\n\0", 8));
    EXPECT_EQ(saved.back(), '\x07');
    EXPECT_EQ(Load().kind, 1);
}

TEST_F(SettingsOnDisk, AReadOnlyFileInAWritableFolderSendsTheSavePerUser) {
    Write(beside, Stored(1, 3));
    SetFileAttributesW(beside.c_str(), FILE_ATTRIBUTE_READONLY);
    const DWORD started = GetTickCount();
    ASSERT_EQ(Save({0, 6, {}}), std::nullopt);
    EXPECT_LT(GetTickCount() - started, 1000u) << "a refusal was waited on";
    EXPECT_EQ(Bytes(beside), Stored(1, 3));
    EXPECT_EQ(Load().repeat_track, 6);
}

TEST_F(SettingsOnDisk, ASaveInAFolderCodePage932CannotName) {
    places = PlacesFor(text::Utf16Of(program), u"");
    ASSERT_EQ(Save({1, 12, {}}), std::nullopt);
    EXPECT_EQ(Load().repeat_track, 12);
    EXPECT_EQ(Bytes(beside), Stored(1, 12) + "BGM\xCC\xA7\xB2\xD9=\r\n");
}

// Not a test of its own: the process SavesKilledAtAnyMomentLeaveTheOldFileOrTheNew
// starts and kills. It saves two choices by turns into the folder it is given.
TEST(SettingsSaveChild, DISABLED_SavesUntilKilled) {
    wchar_t folder[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"VELMORA_SAVE_FOLDER", folder, MAX_PATH), 0u);
    Win32SettingsPorts ports;
    const SettingsPlaces places = PlacesFor(text::Utf16Of(folder), u"");
    for (std::int16_t track = 0;; track = static_cast<std::int16_t>(1 - track)) {
        SaveMusicChoice(ports.Ports(), places, {1, track, {}});
    }
}

TEST_F(SettingsOnDisk, SavesKilledAtAnyMomentLeaveTheOldFileOrTheNew) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + self +
                           L"\" --gtest_also_run_disabled_tests "
                           L"--gtest_filter=SettingsSaveChild.DISABLED_SavesUntilKilled";
    SetEnvironmentVariableW(L"VELMORA_SAVE_FOLDER", program.c_str());
    const std::string file_line = "BGM\xCC\xA7\xB2\xD9=\r\n";
    for (int kill = 0; kill < 8; ++kill) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &child));
        // Killed at a different moment of a save each time, once saves have begun.
        const std::string before = Bytes(beside);
        for (int waited = 0; Bytes(beside) == before && waited < 30000; waited += 10) {
            Sleep(10);
        }
        Sleep(7 * kill);
        TerminateProcess(child.hProcess, 1);
        WaitForSingleObject(child.hProcess, INFINITE);
        CloseHandle(child.hProcess);
        CloseHandle(child.hThread);
        const std::string bytes = Bytes(beside);
        EXPECT_TRUE(bytes == Stored(1, 0) + file_line || bytes == Stored(1, 1) + file_line)
            << "killed " << kill << ": " << bytes;
        // A replacement cut short leaves its own file, never the settings file's name.
        WIN32_FIND_DATAW found;
        HANDLE left =
            FindFirstFileW((program + L"\\" + SettingsFileName() + L".*.new").c_str(), &found);
        for (bool more = left != INVALID_HANDLE_VALUE; more; more = FindNextFileW(left, &found)) {
            DeleteFileW((program + L"\\" + found.cFileName).c_str());
        }
        FindClose(left);
    }
}

TEST_F(JapaneseFolder, ALongPathReachesTheSoundCallsByItsShortForm) {
    const std::wstring outer = wide + L"\\" + std::wstring(80, L'\x6D41');  // 流 x 80
    const std::wstring inner = outer + L"\\" + std::wstring(40, L'\x6D41');
    const std::wstring wav = inner + L"\\a.wav";
    CreateDirectoryW(outer.c_str(), nullptr);
    CreateDirectoryW(inner.c_str(), nullptr);
    CloseHandle(CreateFileW(wav.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::optional<text::Cp932String> playable = text::SoundCallForm(text::PathFormsOf(wav));
    const bool opens = playable && Win32MusicFiles().CanOpenForReading(*playable);
    DeleteFileW(wav.c_str());
    RemoveDirectoryW(inner.c_str());
    RemoveDirectoryW(outer.c_str());

    EXPECT_GE(wav.size(), text::kSoundCallPathLimit);
    ASSERT_TRUE(playable.has_value()) << "the volume gives no short name";
    EXPECT_LT(text::WideFromCp932(*playable).size(), text::kSoundCallPathLimit);
    EXPECT_TRUE(opens);
}

TEST_F(JapaneseFolder, ANameCodePage932CannotHoldIsReachedByItsShortForm) {
    const std::wstring wide_file = wide + L"\\caf\xE9.wav";
    HANDLE file = CreateFileW(wide_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    const std::optional<text::Cp932String> path = text::KeptName(text::PathFormsOf(wide_file));
    ASSERT_TRUE(path.has_value()) << "the volume gives no short name";
    EXPECT_TRUE(Win32MusicFiles().CanOpenForReading(*path));
    EXPECT_EQ(text::KeptName(text::PathFormsOf(wide + L"\\missing\xE9.wav")), std::nullopt);
}

}  // namespace
}  // namespace velmora::settings
