// The MP3 and WAV file player.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "music/core/file_player.h"
#include "tests/music/scripted_drive.h"

namespace velmora::music {
namespace {

using namespace text::literals;

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ScriptedDrive;

constexpr char kOpen[] = "open \"C:\\My Music\\theme song.mp3\" type MPEGVideo Alias MP3Play";
constexpr char kMode[] = "status MP3Play mode";

class FilePlayerTest : public ::testing::Test {
  protected:
    std::vector<std::string> Run(void (FilePlayer::*operation)()) {
        drive.calls.clear();
        (*player.*operation)();
        return drive.Commands();
    }

    ScriptedDrive drive;
    MediaCommands commands{drive};
    std::optional<FilePlayer> player{std::in_place, commands,
                                     text::Cp932String("C:\\My Music\\theme song.mp3"_cp932)};
};

TEST_F(FilePlayerTest, Mp3OpensQuotedAndPlays) {
    EXPECT_THAT(Run(&FilePlayer::StartMp3), ElementsAre(kOpen, "play MP3Play"));
    for (const auto& call : drive.calls) {
        EXPECT_FALSE(call.with_buffer);
        EXPECT_EQ(call.size, 0u);
    }
}

TEST_F(FilePlayerTest, Mp3ThatCannotBeOpenedIsNotPlayed) {
    drive.Answer(kOpen, 275);
    EXPECT_THAT(Run(&FilePlayer::StartMp3), ElementsAre(kOpen));
}

TEST_F(FilePlayerTest, Mp3IsPlayingOnlyWhenTheModeSaysSo) {
    drive.Answer(kMode, 0, "playing");
    EXPECT_TRUE(player->Mp3Playing());
    EXPECT_EQ(drive.LastCallOf(kMode).size, 30u);
    EXPECT_TRUE(drive.LastCallOf(kMode).with_buffer);

    for (const char* mode : {"stopped", "paused", "not ready", "Playing", "play", ""}) {
        drive.Answer(kMode, 0, mode);
        EXPECT_FALSE(player->Mp3Playing()) << mode;
    }
    drive.Answer(kMode, 0, "playing");
    player->Mp3Playing();
    drive.Answer(kMode, 263);  // the alias is gone: an earlier answer does not count
    EXPECT_FALSE(player->Mp3Playing());
}

TEST_F(FilePlayerTest, Mp3CheckRestartsFromTheBeginningOnlyWhenNotPlaying) {
    drive.Answer(kMode, 0, "playing");
    EXPECT_THAT(Run(&FilePlayer::CheckMp3), ElementsAre(kMode));

    drive.Answer(kMode, 0, "stopped");
    EXPECT_THAT(Run(&FilePlayer::CheckMp3),
                ElementsAre(kMode, "stop MP3Play", "play MP3Play from 0"));

    // A failed open leaves every later check failing quietly.
    drive.Answer(kMode, 263);
    drive.Answer("stop MP3Play", 263);
    drive.Answer("play MP3Play from 0", 263);
    EXPECT_THAT(Run(&FilePlayer::CheckMp3),
                ElementsAre(kMode, "stop MP3Play", "play MP3Play from 0"));
}

TEST_F(FilePlayerTest, Mp3CloseStopsAndCloses) {
    drive.Answer("stop MP3Play", 263);
    EXPECT_THAT(Run(&FilePlayer::CloseMp3), ElementsAre("stop MP3Play", "close MP3Play"));
}

TEST_F(FilePlayerTest, WavLoopsThroughTheSoundPlayer) {
    player.emplace(commands, "C:\\My Music\\loop.wav"_cp932);
    drive.play_result = 0;
    player->StartWav();
    ASSERT_EQ(drive.sounds.size(), 1u);
    EXPECT_TRUE(drive.sounds[0].with_name);
    EXPECT_EQ(drive.sounds[0].name, "C:\\My Music\\loop.wav");
    // SND_ASYNC | SND_LOOP, the file only: SND_FILENAME | SND_NODEFAULT.
    EXPECT_EQ(drive.sounds[0].flags, 0x00020000u | 0x0002u | 0x0001u | 0x0008u);

    drive.play_result = 1;
    player->StopWav();
    ASSERT_EQ(drive.sounds.size(), 2u);
    EXPECT_FALSE(drive.sounds[1].with_name);
    EXPECT_EQ(drive.sounds[1].flags, 0u);
    EXPECT_THAT(drive.calls, IsEmpty());
}

TEST_F(FilePlayerTest, WavWithoutWaveDeviceIsNotPlayed) {
    for (int devices : {0, -1}) {
        drive.wave_devices = devices;
        player->StartWav();
        EXPECT_THAT(drive.sounds, IsEmpty());
    }
}

}  // namespace
}  // namespace velmora::music
