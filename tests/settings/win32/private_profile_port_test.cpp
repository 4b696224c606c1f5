// The settings file through the platform's private-profile functions: the
// exact bytes written, values read back, and what counts as an existing file.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "settings/win32/private_profile_port.h"

namespace velmora::settings {
namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "velmora settings test";
        CreateDirectoryA(folder.c_str(), nullptr);
        ini = folder + "\\Velmora.ini";
        DeleteFileA(ini.c_str());
    }
    void TearDown() override { DeleteFileA(ini.c_str()); }

    std::string FileBytes() const {
        std::ifstream in(ini, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void WriteFileBytes(const std::string& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    PrivateProfilePort port;
    std::string folder, ini;
};

TEST_F(SettingsFileTest, WrittenKeysAreCp932BytesInTheirOrder) {
    port.WriteValue(kKeyKind, "2", ini);
    port.WriteValue(kKeyRepeatTrack, "0", ini);
    port.WriteValue(kKeyFile, "C:\\Music\\theme.mp3", ini);
    EXPECT_EQ(FileBytes(),
              "[Section]\r\n"
              "\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n"
              "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=0\r\n"
              "\x42\x47\x4D\xCC\xA7\xB2\xD9=C:\\Music\\theme.mp3\r\n");
    EXPECT_EQ(port.ReadValue(kKeyKind, ini), "2");
    EXPECT_EQ(port.ReadValue(kKeyFile, ini), "C:\\Music\\theme.mp3");
}

TEST_F(SettingsFileTest, AFileWrittenByHandIsReadByItsKeys) {
    WriteFileBytes(ini,
                   "[Section]\r\n\x42\x47\x4D\x8B\xE6\x95\xAA=1\r\n"
                   "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4= 7 \r\n"
                   "\x42\x47\x4D\xCC\xA7\xB2\xD9=C:\\\x89\xB9\x8A\x79\\a b.wav\r\n");
    EXPECT_EQ(port.ReadValue(kKeyKind, ini), "1");
    EXPECT_EQ(port.ReadValue(kKeyRepeatTrack, ini), "7");
    // A Japanese folder name comes back as the same bytes.
    EXPECT_EQ(port.ReadValue(kKeyFile, ini), "C:\\\x89\xB9\x8A\x79\\a b.wav");
}

TEST_F(SettingsFileTest, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(port.ReadValue(kKeyKind, ini), "");
    WriteFileBytes(ini, "[Other]\r\n\x42\x47\x4D\x8B\xE6\x95\xAA=1\r\n");
    EXPECT_EQ(port.ReadValue(kKeyKind, ini), "");
    EXPECT_EQ(port.ReadValue(kKeyFile, ini), "");
}

TEST_F(SettingsFileTest, LongValuesComeBackCutTo255Bytes) {
    const std::string long_path = "C:\\" + std::string(300, 'x') + ".mp3";
    port.WriteValue(kKeyFile, long_path, ini);
    EXPECT_EQ(port.ReadValue(kKeyFile, ini), long_path.substr(0, 255));
}

TEST_F(SettingsFileTest, FileExistsOnlyForReadableFiles) {
    const std::string file = folder + "\\song.wav";
    WriteFileBytes(file, "RIFF");
    EXPECT_TRUE(FileExists(port, file));
    EXPECT_TRUE(FileExists(port, file + "\\"));  // one trailing separator is ignored
    EXPECT_FALSE(FileExists(port, folder));
    EXPECT_FALSE(FileExists(port, folder + "\\"));
    EXPECT_FALSE(FileExists(port, folder + "\\missing.wav"));
    EXPECT_FALSE(FileExists(port, ""));
    DeleteFileA(file.c_str());
}

TEST_F(SettingsFileTest, LoadingKeepsAReadableFileAndDropsAnythingElse) {
    const std::string song = folder + "\\song.mp3";
    WriteFileBytes(song, "ID3");
    const std::string before =
        "[Section]\r\n\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=1.9\r\n"
        "\x42\x47\x4D\xCC\xA7\xB2\xD9=" +
        song + "\r\n";
    WriteFileBytes(ini, before);
    MusicChoice choice;
    LoadMusicChoice(port, ini, choice);
    EXPECT_EQ(choice.kind, 2);
    EXPECT_EQ(choice.repeat_track, 1);
    EXPECT_EQ(choice.file, song);

    for (const std::string& named : {folder, folder + "\\", std::string(260, 'y')}) {
        port.WriteValue(kKeyFile, named, ini);
        const std::string stored = FileBytes();
        MusicChoice s;
        LoadMusicChoice(port, ini, s);
        EXPECT_EQ(s.kind, 0) << named;
        EXPECT_EQ(s.file, "") << named;
        EXPECT_EQ(FileBytes(), stored) << "nothing is written back";
    }
    DeleteFileA(song.c_str());
}

}  // namespace
}  // namespace velmora::settings
