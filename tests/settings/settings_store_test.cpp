#include "settings/core/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/fake_settings_files.h"

namespace velmora::settings {
namespace {

using namespace text::literals;

// The program's folder and its settings file, in memory.
const SettingsPlaces kStorePlaces = PlacesFor(u"C:\\Saver", u"");

// The settings file with these keys and values in its section.
std::string IniWith(const std::map<text::Cp932String, text::Cp932String>& values) {
    std::string file = "[Section]\r\n";
    for (const auto& [key, value] : values) {
        file.append(key.Bytes()).append("=").append(value.Bytes()).append("\r\n");
    }
    return file;
}

TEST(FileExists, OneTrailingSeparatorIsIgnored) {
    testing::FakeSettingsFiles port;
    port.music_files = {"C:\\Music\\a.mp3"_cp932, "C:\\Music\\\x95\x5C"_cp932};
    EXPECT_TRUE(FileExists(port, "C:\\Music\\a.mp3"_cp932));
    EXPECT_TRUE(FileExists(port, "C:\\Music\\a.mp3\\"_cp932));
    EXPECT_FALSE(FileExists(port, "C:\\Music\\a.mp3\\\\"_cp932));
    EXPECT_FALSE(FileExists(port, "C:\\Music\\b.mp3"_cp932));
    EXPECT_FALSE(FileExists(port, ""_cp932));
    // 表 ends in the byte of "\", which is not a separator.
    EXPECT_TRUE(FileExists(port, "C:\\Music\\\x95\x5C"_cp932));
}

TEST(StoredInteger, RoundsDownAndKeepsThePreviousValueOnFailure) {
    EXPECT_EQ(StoredInteger(""_cp932, 7), 0);
    EXPECT_EQ(StoredInteger("2"_cp932, 7), 2);
    EXPECT_EQ(StoredInteger(" 1 "_cp932, 7), 1);
    EXPECT_EQ(StoredInteger("1.9"_cp932, 7), 1);
    EXPECT_EQ(StoredInteger("-0.5"_cp932, 7), -1);
    EXPECT_EQ(StoredInteger("-3"_cp932, 7), -3);
    EXPECT_EQ(StoredInteger("32767"_cp932, 7), 32767);
    EXPECT_EQ(StoredInteger("32767.9"_cp932, 7), 32767);
    EXPECT_EQ(StoredInteger("-32768"_cp932, 7), -32768);
    EXPECT_EQ(StoredInteger("32768"_cp932, 7), 7);
    EXPECT_EQ(StoredInteger("-32768.5"_cp932, 7), 7);
    EXPECT_EQ(StoredInteger("99999999999"_cp932, 7), 7);
    EXPECT_EQ(StoredInteger("abc"_cp932, 7), 7);
    EXPECT_EQ(StoredInteger("2abc"_cp932, 7), 7);
    EXPECT_EQ(StoredInteger("   "_cp932, 7), 7);
}

class LoadMusicChoiceTest : public ::testing::Test {
  protected:
    MusicChoice Load() {
        MusicChoice choice;
        LoadMusicChoice(port.Ports(), kStorePlaces, choice);
        return choice;
    }
    void Store(const std::map<text::Cp932String, text::Cp932String>& values) {
        port.Put(kStorePlaces.file_beside_program, IniWith(values));
    }
    testing::FakeSettingsFiles port;
};

TEST_F(LoadMusicChoiceTest, NoFileGivesNoMusic) {
    const MusicChoice s = Load();
    EXPECT_EQ(s.kind, 0);
    EXPECT_EQ(s.repeat_track, 0);
    EXPECT_EQ(s.file, ""_cp932);
    EXPECT_TRUE(port.files.empty());  // nothing is written
}

TEST_F(LoadMusicChoiceTest, AReadableFileIsKept) {
    Store(
        {{kKeyKind, "2"_cp932}, {kKeyRepeatTrack, "5"_cp932}, {kKeyFile, "C:\\m\\a b.mp3"_cp932}});
    port.music_files.insert("C:\\m\\a b.mp3"_cp932);
    const MusicChoice s = Load();
    EXPECT_EQ(s.kind, 2);
    EXPECT_EQ(s.repeat_track, 5);
    EXPECT_EQ(s.file, "C:\\m\\a b.mp3"_cp932);
}

TEST_F(LoadMusicChoiceTest, FileKindFallsBackWithoutAReadableFile) {
    for (const text::Cp932View file :
         {""_cp932, "C:\\m\\missing.mp3"_cp932, "C:\\m\\"_cp932, "C:\\m"_cp932}) {
        // "C:\m" is a folder, which cannot be opened as a file.
        Store({{kKeyKind, "2"_cp932}, {kKeyFile, file}});
        const std::string stored = port.Bytes(kStorePlaces.file_beside_program);
        const MusicChoice s = Load();
        EXPECT_EQ(s.kind, 0) << file.Bytes();
        EXPECT_EQ(s.file, ""_cp932) << file.Bytes();
        EXPECT_EQ(port.Bytes(kStorePlaces.file_beside_program), stored)
            << "nothing is written back";
    }
}

TEST_F(LoadMusicChoiceTest, OtherKindsKeepTheirValueWhenTheFileIsMissing) {
    Store({{kKeyKind, "1"_cp932}, {kKeyRepeatTrack, "3"_cp932}, {kKeyFile, "C:\\gone.wav"_cp932}});
    const MusicChoice s = Load();
    EXPECT_EQ(s.kind, 1);
    EXPECT_EQ(s.repeat_track, 3);
    EXPECT_EQ(s.file, ""_cp932);
}

// The conversion itself is StoredInteger's; here only that each key goes
// through it with the value in memory as the fallback.
TEST_F(LoadMusicChoiceTest, StoredNumbersAreConvertedAndAFailureKeepsTheValueInMemory) {
    Store({{kKeyKind, "1.9"_cp932}, {kKeyRepeatTrack, "-0.5"_cp932}});
    EXPECT_EQ(Load().kind, 1);
    EXPECT_EQ(Load().repeat_track, -1);
    MusicChoice choice{7, 4, ""_cp932};  // kinds other than 0, 1 and 2 stay as read
    Store({{kKeyKind, "x"_cp932}, {kKeyRepeatTrack, "1e9"_cp932}});
    LoadMusicChoice(port.Ports(), kStorePlaces, choice);
    EXPECT_EQ(choice.kind, 7);
    EXPECT_EQ(choice.repeat_track, 4);
}

TEST_F(LoadMusicChoiceTest, ASavedChoiceLoadsAgainWhole) {
    // C:\音楽\ and a name of 300 bytes.
    const text::Cp932String music =
        "C:\\\x89\xB9\x8A\x79\\"_cp932 + text::Cp932String(std::string(290, 'a')) + ".wav"_cp932;
    port.music_files.insert(music);
    EXPECT_EQ(SaveMusicChoice(port.Ports(), kStorePlaces, {2, 7, music}), std::nullopt);
    const MusicChoice loaded = Load();
    EXPECT_EQ(loaded.kind, 2);
    EXPECT_EQ(loaded.repeat_track, 7);
    EXPECT_EQ(loaded.file, music);
}

}  // namespace
}  // namespace velmora::settings
