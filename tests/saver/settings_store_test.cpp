#include "saver/core/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "saver/core/saver_texts.h"

namespace velmora::saver {
namespace {

constexpr char kIni[] = "C:\\Saver\\Velmora.ini";

// A settings file and a set of readable files, in memory.
class FakeSettings : public SettingsPort {
  public:
    std::string ReadIni(const std::string& section, const std::string& key,
                        const std::string& file) override {
        reads.push_back(key);
        if (file != kIni || section != kSettingsSection) {
            return "";
        }
        const auto it = values.find(key);
        return it == values.end() ? "" : it->second;
    }
    std::string WriteIni(const std::string&, const std::string& key, const std::string& value,
                         const std::string&) override {
        writes.push_back(key + "=" + value);
        return "";
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

TEST(IniInteger, RoundsDownAndKeepsThePreviousValueOnFailure) {
    EXPECT_EQ(IniInteger("", 7), 0);
    EXPECT_EQ(IniInteger("2", 7), 2);
    EXPECT_EQ(IniInteger(" 1 ", 7), 1);
    EXPECT_EQ(IniInteger("1.9", 7), 1);
    EXPECT_EQ(IniInteger("-0.5", 7), -1);
    EXPECT_EQ(IniInteger("-3", 7), -3);
    EXPECT_EQ(IniInteger("32767", 7), 32767);
    EXPECT_EQ(IniInteger("32767.9", 7), 32767);
    EXPECT_EQ(IniInteger("-32768", 7), -32768);
    EXPECT_EQ(IniInteger("32768", 7), 7);
    EXPECT_EQ(IniInteger("-32768.5", 7), 7);
    EXPECT_EQ(IniInteger("99999999999", 7), 7);
    EXPECT_EQ(IniInteger("abc", 7), 7);
    EXPECT_EQ(IniInteger("2abc", 7), 7);
    EXPECT_EQ(IniInteger("   ", 7), 7);
}

class LoadSettingsTest : public ::testing::Test {
  protected:
    music::BgmSettings Load() {
        music::BgmSettings settings;
        LoadSettings(port, kIni, settings);
        return settings;
    }
    FakeSettings port;
};

TEST_F(LoadSettingsTest, NoFileGivesNoMusic) {
    const music::BgmSettings s = Load();
    EXPECT_EQ(s.BGM_Kind, 0);
    EXPECT_EQ(s.BGM_RepeatTrack, 0);
    EXPECT_EQ(s.BGM_File, "");
    // Keys are read in the order of the file's table; nothing is written back.
    EXPECT_EQ(port.reads, (std::vector<std::string>{kKeyKind, kKeyRepeatTrack, kKeyFile}));
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(LoadSettingsTest, AReadableFileIsKept) {
    port.values = {{kKeyKind, "2"}, {kKeyRepeatTrack, "5"}, {kKeyFile, "C:\\m\\a b.mp3"}};
    port.files = {"C:\\m\\a b.mp3"};
    const music::BgmSettings s = Load();
    EXPECT_EQ(s.BGM_Kind, 2);
    EXPECT_EQ(s.BGM_RepeatTrack, 5);
    EXPECT_EQ(s.BGM_File, "C:\\m\\a b.mp3");
}

TEST_F(LoadSettingsTest, FileKindFallsBackWithoutAReadableFile) {
    for (const std::string file : {"", "C:\\m\\missing.mp3", "C:\\m\\", "C:\\m"}) {
        port.values = {{kKeyKind, "2"}, {kKeyFile, file}};
        port.files.clear();  // "C:\m" is a folder, which cannot be opened as a file
        const music::BgmSettings s = Load();
        EXPECT_EQ(s.BGM_Kind, 0) << file;
        EXPECT_EQ(s.BGM_File, "") << file;
    }
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(LoadSettingsTest, OtherKindsKeepTheirValueWhenTheFileIsMissing) {
    port.values = {{kKeyKind, "1"}, {kKeyRepeatTrack, "3"}, {kKeyFile, "C:\\gone.wav"}};
    const music::BgmSettings s = Load();
    EXPECT_EQ(s.BGM_Kind, 1);
    EXPECT_EQ(s.BGM_RepeatTrack, 3);
    EXPECT_EQ(s.BGM_File, "");
}

TEST_F(LoadSettingsTest, ConversionsOfTheStoredNumbers) {
    port.values = {{kKeyKind, "1.9"}, {kKeyRepeatTrack, "-0.5"}};
    EXPECT_EQ(Load().BGM_Kind, 1);
    EXPECT_EQ(Load().BGM_RepeatTrack, -1);
    port.values = {{kKeyKind, "abc"}, {kKeyRepeatTrack, "40000"}};
    EXPECT_EQ(Load().BGM_Kind, 0);
    EXPECT_EQ(Load().BGM_RepeatTrack, 0);
    // Kinds other than 0, 1 and 2 stay as read.
    port.values = {{kKeyKind, "7"}};
    EXPECT_EQ(Load().BGM_Kind, 7);
}

TEST_F(LoadSettingsTest, AFailedConversionKeepsTheValueInMemory) {
    music::BgmSettings settings;
    settings.BGM_Kind = 1;
    settings.BGM_RepeatTrack = 4;
    port.values = {{kKeyKind, "x"}, {kKeyRepeatTrack, "1e9"}};
    LoadSettings(port, kIni, settings);
    EXPECT_EQ(settings.BGM_Kind, 1);
    EXPECT_EQ(settings.BGM_RepeatTrack, 4);
}

}  // namespace
}  // namespace velmora::saver
