// The music module on the real platform: winmm under Wine, which has no CD
// drive and plays MP3 files through its MPEG device.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "music/core/cd_player.h"
#include "music/core/file_player.h"
#include "music/win32/win32_media_port.h"

namespace velmora::music {
namespace {

using namespace text::literals;

constexpr std::int32_t kCannotLoadDriver = 266;  // MCIERR_CANNOT_LOAD_DRIVER

// The real port, with a record of every command and its result.
class RecordingPort : public Win32MediaPort {
  public:
    MediaAnswer SendCommand(text::Cp932View command, std::uint32_t reply_length) override {
        MediaAnswer answer = Win32MediaPort::SendCommand(command, reply_length);
        sent.emplace_back(command.Bytes(), answer.code);
        return answer;
    }
    std::vector<std::pair<std::string, std::int32_t>> sent;
};

std::string SoundFile(const char* name) {
    const char* dir = std::getenv("VELMORA_SOUND_DIR");
    return dir ? std::string(dir) + "\\" + name : std::string();
}

// Polls until the MP3 reports "playing" (the device starts on its own thread).
bool BecomesPlaying(FilePlayer& player) {
    for (int i = 0; i < 100; ++i) {
        if (player.Mp3Playing()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

class Win32Music : public ::testing::Test {
  protected:
    FilePlayer& PlayFile(const std::string& file) {
        return file_player.emplace(commands, port, text::Cp932String(file));
    }

    RecordingPort port;
    MediaCommands commands{port};
    CdPlayer cd{commands, 3};
    std::optional<FilePlayer> file_player;
};

TEST_F(Win32Music, CdChecksStopWithoutADrive) {
    EXPECT_EQ(commands.Query("open cdaudio"_cp932), "Error:266"_cp932);
    cd.Open();
    EXPECT_EQ(port.sent.at(1), std::make_pair(std::string("open cdaudio"), kCannotLoadDriver));
    EXPECT_FALSE(cd.Check());
    EXPECT_EQ(port.sent.back().first, "status cdaudio current track");
    cd.Close();
    EXPECT_NE(port.sent.back().second, 0);
}

TEST_F(Win32Music, MissingMp3StaysSilent) {
    FilePlayer& player = PlayFile("Z:\\velmora\\no such folder\\missing.mp3");
    player.StartMp3();
    ASSERT_EQ(port.sent.size(), 1u);
    EXPECT_NE(port.sent[0].second, 0);
    EXPECT_FALSE(player.Mp3Playing());

    player.CheckMp3();  // every later check fails quietly
    EXPECT_EQ(port.sent.back().first, "play MP3Play from 0");
    EXPECT_NE(port.sent.back().second, 0);
    player.CloseMp3();
}

TEST_F(Win32Music, Mp3WithBlanksInItsPathPlaysAndRestarts) {
    ASSERT_FALSE(SoundFile("tone file.mp3").empty()) << "VELMORA_SOUND_DIR is not set";
    FilePlayer& player = PlayFile(SoundFile("tone file.mp3"));

    player.StartMp3();
    ASSERT_EQ(port.sent.size(), 2u);
    EXPECT_EQ(port.sent[0].second, 0) << port.sent[0].first;
    EXPECT_EQ(port.sent[1], std::make_pair(std::string("play MP3Play"), 0));
    EXPECT_TRUE(BecomesPlaying(player));

    // Stopped from outside: the next check starts it again from the beginning.
    commands.Query("stop MP3Play"_cp932);
    EXPECT_FALSE(player.Mp3Playing());
    player.CheckMp3();
    EXPECT_EQ(port.sent.back(), std::make_pair(std::string("play MP3Play from 0"), 0));
    EXPECT_TRUE(BecomesPlaying(player));

    player.CloseMp3();
    EXPECT_EQ(port.sent.back(), std::make_pair(std::string("close MP3Play"), 0));
    EXPECT_FALSE(player.Mp3Playing());
}

// What the captured sound card has received so far.
std::string CapturedSound() {
    const char* path = std::getenv("VELMORA_CAPTURED_SOUND");
    std::string bytes;
    HANDLE file = path ? CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr)
                       : INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        bytes.append(chunk, got);
    }
    CloseHandle(file);
    return bytes;
}

// Whether any sound reached the card while `play` ran.
bool SoundHeardDuring(const std::function<void()>& play) {
    const std::size_t before = CapturedSound().size();
    play();
    const std::string heard = CapturedSound().substr(before);
    return heard.find_first_not_of('\0') != std::string::npos;
}

TEST_F(Win32Music, AWavPlaysUntilStoppedAndAMissingOneNotEvenAsTheDefaultSound) {
    ASSERT_GT(port.SoundOutputCount(), 0);
    ASSERT_NE(std::getenv("VELMORA_CAPTURED_SOUND"), nullptr);
    // The tone as the platform's default sound while this test runs.
    ASSERT_TRUE(WriteProfileStringA("Sounds", "Default", SoundFile("tone.wav").c_str()));
    for (const bool missing : {true, false}) {
        FilePlayer& player =
            PlayFile(missing ? "Z:\\velmora\\no such folder\\gone.wav" : SoundFile("tone.wav"));
        EXPECT_EQ(SoundHeardDuring([&] {
                      player.StartWav();
                      Sleep(1000);
                      player.StopWav();
                      Sleep(300);  // what the card had taken drains
                  }),
                  !missing);
    }
    WriteProfileStringA("Sounds", "Default", nullptr);
    // Stopped, the loop stays silent.
    EXPECT_FALSE(SoundHeardDuring([] { Sleep(500); }));
}

}  // namespace
}  // namespace velmora::music
