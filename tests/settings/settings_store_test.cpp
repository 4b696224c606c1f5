#include "settings/core/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/cp932_text.h"

namespace velmora::settings {
namespace {

constexpr char kIni[] = "C:\\Saver\\Velmora.ini";

// A settings file and a set of readable files, in memory.
class FakeSettings : public SettingsPort {
  public:
    std::string ReadValue(const std::string& key, const std::string& file) override {
        reads.push_back(key);
        if (file != kIni) {
            return "";
        }
        const auto it = values.find(key);
        return it == values.end() ? "" : it->second;
    }
    void WriteValue(const std::string& key, const std::string& value, const std::string&) override {
        writes.push_back(key + "=" + value);
    }
    bool CanOpenForReading(const std::string& path) override {
        opened.push_back(path);
        return files.count(path) > 0;
    }

    std::map<std::string, std::string> values;
    std::set<std::string> files;
    std::vector<std::string> reads, writes, opened;
};

TEST(InFolder, JoinsWithOneSeparator) {
    EXPECT_EQ(InFolder("C:\\Windows", "Velmora.dll"), "C:\\Windows\\Velmora.dll");
    EXPECT_EQ(InFolder("C:\\", "Velmora.ini"), "C:\\Velmora.ini");
    EXPECT_EQ(InFolder("\\\\server\\share\\a b", "Velmora.ini"),
              "\\\\server\\share\\a b\\Velmora.ini");
}

TEST(FolderOf, FolderWithoutTrailingSeparatorExceptAtDriveRoot) {
    EXPECT_EQ(FolderOf("C:\\Windows\\System32\\Velmora.scr"), "C:\\Windows\\System32");
    EXPECT_EQ(FolderOf("C:\\Velmora.scr"), "C:\\");
    EXPECT_EQ(FolderOf("Z:\\tmp\\a b\\Velmora.scr"), "Z:\\tmp\\a b");
    EXPECT_EQ(FolderOf("Velmora.scr"), "");
}

TEST(FileExists, OneTrailingSeparatorIsIgnored) {
    FakeSettings port;
    port.files = {"C:\\Music\\a.mp3", "C:\\Music"};
    EXPECT_TRUE(FileExists(port, "C:\\Music\\a.mp3"));
    EXPECT_FALSE(FileExists(port, "C:\\Music\\b.mp3"));
    EXPECT_FALSE(FileExists(port, ""));
    port.opened.clear();
    FileExists(port, "C:\\Music\\\\");
    EXPECT_EQ(port.opened, std::vector<std::string>{"C:\\Music\\"});
    port.opened.clear();
    FileExists(port, "C:\\Music\\");
    EXPECT_EQ(port.opened, std::vector<std::string>{"C:\\Music"});
}

TEST(StoredInteger, RoundsDownAndKeepsThePreviousValueOnFailure) {
    EXPECT_EQ(StoredInteger("", 7), 0);
    EXPECT_EQ(StoredInteger("2", 7), 2);
    EXPECT_EQ(StoredInteger(" 1 ", 7), 1);
    EXPECT_EQ(StoredInteger("1.9", 7), 1);
    EXPECT_EQ(StoredInteger("-0.5", 7), -1);
    EXPECT_EQ(StoredInteger("-3", 7), -3);
    EXPECT_EQ(StoredInteger("32767", 7), 32767);
    EXPECT_EQ(StoredInteger("32767.9", 7), 32767);
    EXPECT_EQ(StoredInteger("-32768", 7), -32768);
    EXPECT_EQ(StoredInteger("32768", 7), 7);
    EXPECT_EQ(StoredInteger("-32768.5", 7), 7);
    EXPECT_EQ(StoredInteger("99999999999", 7), 7);
    EXPECT_EQ(StoredInteger("abc", 7), 7);
    EXPECT_EQ(StoredInteger("2abc", 7), 7);
    EXPECT_EQ(StoredInteger("   ", 7), 7);
}

class LoadMusicChoiceTest : public ::testing::Test {
  protected:
    MusicChoice Load() {
        MusicChoice choice;
        LoadMusicChoice(port, kIni, choice);
        return choice;
    }
    FakeSettings port;
};

TEST_F(LoadMusicChoiceTest, NoFileGivesNoMusic) {
    const MusicChoice s = Load();
    EXPECT_EQ(s.kind, 0);
    EXPECT_EQ(s.repeat_track, 0);
    EXPECT_EQ(s.file, "");
    // Keys are read in the order of the file's table; nothing is written back.
    EXPECT_EQ(port.reads, (std::vector<std::string>{kKeyKind, kKeyRepeatTrack, kKeyFile}));
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(LoadMusicChoiceTest, AReadableFileIsKept) {
    port.values = {{kKeyKind, "2"}, {kKeyRepeatTrack, "5"}, {kKeyFile, "C:\\m\\a b.mp3"}};
    port.files = {"C:\\m\\a b.mp3"};
    const MusicChoice s = Load();
    EXPECT_EQ(s.kind, 2);
    EXPECT_EQ(s.repeat_track, 5);
    EXPECT_EQ(s.file, "C:\\m\\a b.mp3");
}

TEST_F(LoadMusicChoiceTest, FileKindFallsBackWithoutAReadableFile) {
    for (const std::string file : {"", "C:\\m\\missing.mp3", "C:\\m\\", "C:\\m"}) {
        port.values = {{kKeyKind, "2"}, {kKeyFile, file}};
        port.files.clear();  // "C:\m" is a folder, which cannot be opened as a file
        const MusicChoice s = Load();
        EXPECT_EQ(s.kind, 0) << file;
        EXPECT_EQ(s.file, "") << file;
    }
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(LoadMusicChoiceTest, OtherKindsKeepTheirValueWhenTheFileIsMissing) {
    port.values = {{kKeyKind, "1"}, {kKeyRepeatTrack, "3"}, {kKeyFile, "C:\\gone.wav"}};
    const MusicChoice s = Load();
    EXPECT_EQ(s.kind, 1);
    EXPECT_EQ(s.repeat_track, 3);
    EXPECT_EQ(s.file, "");
}

TEST_F(LoadMusicChoiceTest, ConversionsOfTheStoredNumbers) {
    port.values = {{kKeyKind, "1.9"}, {kKeyRepeatTrack, "-0.5"}};
    EXPECT_EQ(Load().kind, 1);
    EXPECT_EQ(Load().repeat_track, -1);
    port.values = {{kKeyKind, "abc"}, {kKeyRepeatTrack, "40000"}};
    EXPECT_EQ(Load().kind, 0);
    EXPECT_EQ(Load().repeat_track, 0);
    // Kinds other than 0, 1 and 2 stay as read.
    port.values = {{kKeyKind, "7"}};
    EXPECT_EQ(Load().kind, 7);
}

TEST(StoredValues, KindTrackAndFileInTheFilesOrder) {
    const auto values = StoredValues({1, -2, "D:\\b.wav"});
    EXPECT_STREQ(values[0].key, kKeyKind);
    EXPECT_EQ(values[0].text, "1");
    EXPECT_STREQ(values[1].key, kKeyRepeatTrack);
    EXPECT_EQ(values[1].text, "-2");
    EXPECT_STREQ(values[2].key, kKeyFile);
    EXPECT_EQ(values[2].text, "D:\\b.wav");
}

TEST(SettingsKeys, AreTheCp932BytesOfTheirReadableForms) {
    using velmora::testing::Cp932ToUtf8;
    EXPECT_EQ(Cp932ToUtf8(kKeyKind), "BGM区分");
    EXPECT_EQ(Cp932ToUtf8(kKeyRepeatTrack), "BGMﾘﾋﾟｰﾄ");
    EXPECT_EQ(Cp932ToUtf8(kKeyFile), "BGMﾌｧｲﾙ");
}

TEST_F(LoadMusicChoiceTest, AFailedConversionKeepsTheValueInMemory) {
    MusicChoice choice;
    choice.kind = 1;
    choice.repeat_track = 4;
    port.values = {{kKeyKind, "x"}, {kKeyRepeatTrack, "1e9"}};
    LoadMusicChoice(port, kIni, choice);
    EXPECT_EQ(choice.kind, 1);
    EXPECT_EQ(choice.repeat_track, 4);
}

}  // namespace
}  // namespace velmora::settings
