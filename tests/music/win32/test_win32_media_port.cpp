// The music module on the real platform: winmm under Wine, which has no CD
// drive and plays MP3 files through its MPEG device.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "music/core/velmora_bgm.h"
#include "music/win32/win32_media_port.h"

namespace velmora::music {
namespace {

constexpr std::int32_t kCannotLoadDriver = 266;  // MCIERR_CANNOT_LOAD_DRIVER

// The real port, with a record of every command and its result.
class RecordingPort : public Win32MediaPort {
  public:
    std::int32_t send_string(const std::string& command, char* reply,
                             std::uint32_t reply_size) override {
        const std::int32_t code = Win32MediaPort::send_string(command, reply, reply_size);
        sent.emplace_back(command, code);
        return code;
    }
    std::vector<std::pair<std::string, std::int32_t>> sent;
};

std::string SoundFile(const char* name) {
    const char* dir = std::getenv("VELMORA_SOUND_DIR");
    return dir ? std::string(dir) + "\\" + name : std::string();
}

// Polls until the MP3 reports "playing" (the device starts on its own thread).
bool BecomesPlaying(Velmora_BGM& bgm) {
    for (int i = 0; i < 100; ++i) {
        if (bgm.MP3_IsPlaying()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

class Win32Music : public ::testing::Test {
  protected:
    RecordingPort port;
    BgmSettings settings;
    Velmora_BGM bgm{port, settings};
};

TEST_F(Win32Music, MissingCdDriveFailsWithAnErrorText) {
    EXPECT_EQ(bgm.Mci_Query("open cdaudio"), "Error:266");
    EXPECT_EQ(bgm.ApiResult, kCannotLoadDriver);
    EXPECT_FALSE(bgm.Mci_Reply.empty());

    char text[256] = {};
    EXPECT_TRUE(port.error_string(kCannotLoadDriver, text, sizeof text));
    EXPECT_EQ(bgm.Mci_Reply, text);
}

TEST_F(Win32Music, CdChecksStopWithoutADrive) {
    settings.BGM_Kind = kBgmCd;
    settings.BGM_RepeatTrack = 3;
    bgm.CD_Open();
    EXPECT_EQ(port.sent.at(0), std::make_pair(std::string("open cdaudio"), kCannotLoadDriver));
    bgm.CD_Check();
    EXPECT_FALSE(bgm.CD_Continue);
    EXPECT_NE(bgm.ApiResult, 0);
    EXPECT_EQ(port.sent.back().first, "status cdaudio current track");
    bgm.CD_Close();
    EXPECT_NE(bgm.ApiResult, 0);
}

TEST_F(Win32Music, MissingMp3StaysSilent) {
    settings.BGM_Kind = kBgmFile;
    settings.BGM_File = "Z:\\velmora\\no such folder\\missing.mp3";
    bgm.MP3_OpenPlay();
    ASSERT_EQ(port.sent.size(), 1u);
    EXPECT_NE(port.sent[0].second, 0);
    EXPECT_FALSE(bgm.MP3_IsPlaying());

    bgm.MP3_Check();  // every later check fails quietly
    EXPECT_EQ(port.sent.back().first, "play MP3Play from 0");
    EXPECT_NE(port.sent.back().second, 0);
    bgm.MP3_Close();
}

TEST_F(Win32Music, Mp3WithBlanksInItsPathPlaysAndRestarts) {
    settings.BGM_Kind = kBgmFile;
    settings.BGM_File = SoundFile("tone file.mp3");
    ASSERT_FALSE(settings.BGM_File.empty()) << "VELMORA_SOUND_DIR is not set";

    bgm.MP3_OpenPlay();
    ASSERT_EQ(port.sent.size(), 2u);
    EXPECT_EQ(port.sent[0].second, 0) << port.sent[0].first;
    EXPECT_EQ(port.sent[1], std::make_pair(std::string("play MP3Play"), 0));
    EXPECT_TRUE(BecomesPlaying(bgm));

    // Stopped from outside: the next check starts it again from the beginning.
    bgm.Mci_Send("stop MP3Play", bgm.Mci_Reply);
    EXPECT_FALSE(bgm.MP3_IsPlaying());
    bgm.MP3_Check();
    EXPECT_EQ(port.sent.back(), std::make_pair(std::string("play MP3Play from 0"), 0));
    EXPECT_TRUE(BecomesPlaying(bgm));

    bgm.MP3_Close();
    EXPECT_EQ(port.sent.back(), std::make_pair(std::string("close MP3Play"), 0));
    EXPECT_FALSE(bgm.MP3_IsPlaying());
}

TEST_F(Win32Music, WavLoopsAndStops) {
    ASSERT_GT(port.wave_out_device_count(), 0);
    settings.BGM_Kind = kBgmFile;
    settings.BGM_File = SoundFile("tone.wav");
    bgm.WAV_Play();
    EXPECT_EQ(bgm.ApiResult, TRUE);
    Sleep(300);
    bgm.WAV_Stop();
    EXPECT_EQ(bgm.ApiResult, TRUE);
}

}  // namespace
}  // namespace velmora::music
