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
constexpr char kMp3Mode[] = "status MP3Play mode";

class FilePlayerTest : public ::testing::Test {
  protected:
    std::vector<std::string> Run(void (FilePlayer::*operation)()) {
        drive.calls.clear();
        (*player.*operation)();
        return drive.Commands();
    }

    ScriptedDrive drive;
    MediaCommands commands{drive};
    std::optional<FilePlayer> player{std::in_place, commands, drive,
                                     text::Cp932String("C:\\My Music\\theme song.mp3"_cp932)};
};

TEST_F(FilePlayerTest, Mp3OpensQuotedAndPlays) {
    EXPECT_THAT(Run(&FilePlayer::StartMp3), ElementsAre(kOpen, "play MP3Play"));
    for (const auto& call : drive.calls) {
        EXPECT_EQ(call.reply_length, 0u);
    }
}

TEST_F(FilePlayerTest, Mp3ThatCannotBeOpenedIsNotPlayed) {
    drive.Answer(kOpen, 275);
    EXPECT_THAT(Run(&FilePlayer::StartMp3), ElementsAre(kOpen));
}

TEST_F(FilePlayerTest, Mp3IsPlayingOnlyWhenTheModeSaysSo) {
    drive.Answer(kMp3Mode, 0, "playing");
    EXPECT_TRUE(player->Mp3Playing());
    EXPECT_EQ(drive.LastCallOf(kMp3Mode).reply_length, 30u);

    for (const char* mode : {"stopped", "paused", "not ready", "Playing", "play", ""}) {
        drive.Answer(kMp3Mode, 0, mode);
        EXPECT_FALSE(player->Mp3Playing()) << mode;
    }
    drive.Answer(kMp3Mode, 0, "playing");
    player->Mp3Playing();
    drive.Answer(kMp3Mode, 263);  // the alias is gone: an earlier answer does not count
    EXPECT_FALSE(player->Mp3Playing());
}

TEST_F(FilePlayerTest, Mp3CheckRestartsFromTheBeginningOnlyWhenNotPlaying) {
    drive.Answer(kMp3Mode, 0, "playing");
    EXPECT_THAT(Run(&FilePlayer::CheckMp3), ElementsAre(kMp3Mode));

    drive.Answer(kMp3Mode, 0, "stopped");
    EXPECT_THAT(Run(&FilePlayer::CheckMp3),
                ElementsAre(kMp3Mode, "stop MP3Play", "play MP3Play from 0"));

    // A failed open leaves every later check failing quietly.
    drive.Answer(kMp3Mode, 263);
    drive.Answer("stop MP3Play", 263);
    drive.Answer("play MP3Play from 0", 263);
    EXPECT_THAT(Run(&FilePlayer::CheckMp3),
                ElementsAre(kMp3Mode, "stop MP3Play", "play MP3Play from 0"));
}

TEST_F(FilePlayerTest, Mp3CloseStopsAndCloses) {
    drive.Answer("stop MP3Play", 263);
    EXPECT_THAT(Run(&FilePlayer::CloseMp3), ElementsAre("stop MP3Play", "close MP3Play"));
}

TEST_F(FilePlayerTest, WavLoopsThroughTheSoundPlayerWhenThereIsAnOutput) {
    player.emplace(commands, drive, "C:\\My Music\\loop.wav"_cp932);
    player->StartWav();
    player->StopWav();
    EXPECT_THAT(drive.sounds, ElementsAre("C:\\My Music\\loop.wav", ScriptedDrive::kStopped));
    EXPECT_THAT(drive.calls, IsEmpty());

    for (int outputs : {0, -1}) {
        drive.sounds.clear();
        drive.sound_outputs = outputs;
        player->StartWav();
        EXPECT_THAT(drive.sounds, IsEmpty()) << outputs;
    }
}

}  // namespace
}  // namespace velmora::music
