// The MP3 and WAV file player.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music/core/velmora_bgm.h"
#include "tests/music/scripted_drive.h"

namespace velmora::music {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ScriptedDrive;

constexpr char kOpen[] = "open \"C:\\My Music\\theme song.mp3\" type MPEGVideo Alias MP3Play";
constexpr char kMode[] = "status MP3Play mode";

class FilePlayer : public ::testing::Test {
  protected:
    FilePlayer() {
        settings.BGM_Kind = kBgmFile;
        settings.BGM_File = "C:\\My Music\\theme song.mp3";
    }
    std::vector<std::string> run(void (Velmora_BGM::*operation)()) {
        drive.calls.clear();
        (bgm.*operation)();
        return drive.commands();
    }

    ScriptedDrive drive;
    BgmSettings settings;
    Velmora_BGM bgm{drive, settings};
};

TEST_F(FilePlayer, Mp3OpensQuotedAndPlays) {
    bgm.ApiResult = 5;
    EXPECT_THAT(run(&Velmora_BGM::MP3_OpenPlay), ElementsAre(kOpen, "play MP3Play"));
    for (const auto& call : drive.calls) {
        EXPECT_FALSE(call.with_buffer);
        EXPECT_EQ(call.size, 0u);
    }
    EXPECT_EQ(bgm.ApiResult, 5);  // the MCI results of the file player are kept nowhere
}

TEST_F(FilePlayer, Mp3ThatCannotBeOpenedIsNotPlayed) {
    drive.answer(kOpen, 275);
    EXPECT_THAT(run(&Velmora_BGM::MP3_OpenPlay), ElementsAre(kOpen));
}

TEST_F(FilePlayer, Mp3IsPlayingOnlyWhenTheModeSaysSo) {
    drive.answer(kMode, 0, "playing");
    EXPECT_TRUE(bgm.MP3_IsPlaying());
    EXPECT_EQ(drive.last_call_of(kMode).size, 30u);
    EXPECT_TRUE(drive.last_call_of(kMode).with_buffer);

    for (const char* mode : {"stopped", "paused", "not ready", "Playing", "play", ""}) {
        drive.answer(kMode, 0, mode);
        EXPECT_FALSE(bgm.MP3_IsPlaying()) << mode;
    }
    drive.answer(kMode, 0, "playing");
    bgm.MP3_IsPlaying();
    drive.answer(kMode, 263);  // the alias is gone: an earlier answer does not count
    EXPECT_FALSE(bgm.MP3_IsPlaying());
}

TEST_F(FilePlayer, Mp3CheckRestartsFromTheBeginningOnlyWhenNotPlaying) {
    drive.answer(kMode, 0, "playing");
    EXPECT_THAT(run(&Velmora_BGM::MP3_Check), ElementsAre(kMode));

    drive.answer(kMode, 0, "stopped");
    EXPECT_THAT(run(&Velmora_BGM::MP3_Check),
                ElementsAre(kMode, "stop MP3Play", "play MP3Play from 0"));

    // A failed open leaves every later check failing quietly.
    drive.answer(kMode, 263);
    drive.answer("stop MP3Play", 263);
    drive.answer("play MP3Play from 0", 263);
    EXPECT_THAT(run(&Velmora_BGM::MP3_Check),
                ElementsAre(kMode, "stop MP3Play", "play MP3Play from 0"));
}

TEST_F(FilePlayer, Mp3CloseStopsAndCloses) {
    drive.answer("stop MP3Play", 263);
    EXPECT_THAT(run(&Velmora_BGM::MP3_Close), ElementsAre("stop MP3Play", "close MP3Play"));
}

TEST_F(FilePlayer, WavLoopsThroughTheSoundPlayer) {
    settings.BGM_File = "C:\\My Music\\loop.wav";
    drive.play_result = 0;
    bgm.ApiResult = 5;
    bgm.WAV_Play();
    ASSERT_EQ(drive.sounds.size(), 1u);
    EXPECT_TRUE(drive.sounds[0].with_name);
    EXPECT_EQ(drive.sounds[0].name, "C:\\My Music\\loop.wav");
    EXPECT_EQ(drive.sounds[0].flags, 9u);  // SND_ASYNC | SND_LOOP
    EXPECT_EQ(bgm.ApiResult, 0);

    drive.play_result = 1;
    bgm.WAV_Stop();
    ASSERT_EQ(drive.sounds.size(), 2u);
    EXPECT_FALSE(drive.sounds[1].with_name);
    EXPECT_EQ(drive.sounds[1].flags, 0u);
    EXPECT_EQ(bgm.ApiResult, 1);
    EXPECT_THAT(drive.calls, IsEmpty());
}

TEST_F(FilePlayer, WavWithoutWaveDeviceIsNotPlayed) {
    for (int devices : {0, -1}) {
        drive.wave_devices = devices;
        bgm.ApiResult = 5;
        bgm.WAV_Play();
        EXPECT_THAT(drive.sounds, IsEmpty());
        EXPECT_EQ(bgm.ApiResult, 5);
    }
}

}  // namespace
}  // namespace velmora::music
