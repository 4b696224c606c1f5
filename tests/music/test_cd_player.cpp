// The music CD player: opening, the 200 ms check that starts and repeats, closing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music/core/velmora_bgm.h"
#include "tests/music/scripted_drive.h"

namespace velmora::music {
namespace {

using ::testing::ElementsAre;
using testing::ScriptedDrive;

constexpr char kCurrent[] = "status cdaudio current track";
constexpr char kCount[] = "status cdaudio number of tracks";
constexpr char kMode[] = "status cdaudio mode";

class CdPlayer : public ::testing::Test {
  protected:
    // A disc of 9 tracks in a working drive.
    void insert_disc(const std::string& current, const std::string& mode) {
        drive.answer(kCurrent, 0, current);
        drive.answer(kCount, 0, "9");
        drive.answer(kMode, 0, mode);
    }
    std::vector<std::string> check() {
        drive.calls.clear();
        bgm.CD_Check();
        return drive.commands();
    }

    ScriptedDrive drive;
    BgmSettings settings;
    Velmora_BGM bgm{drive, settings};
};

TEST_F(CdPlayer, OpenAndCloseSendWithoutReplyBufferAndIgnoreFailures) {
    drive.answer("open cdaudio", 266);
    drive.answer("set cdaudio time format tmsf", 263);
    bgm.CD_Open();
    EXPECT_EQ(bgm.ApiResult, 263);
    drive.answer("close cdaudio", 263);
    bgm.CD_Close();
    EXPECT_EQ(bgm.ApiResult, 263);
    EXPECT_THAT(drive.commands(), ElementsAre("open cdaudio", "set cdaudio time format tmsf",
                                              "stop cdaudio", "close cdaudio"));
    for (const auto& call : drive.calls) {
        EXPECT_FALSE(call.with_buffer) << call.command;
        EXPECT_EQ(call.size, 0u) << call.command;
    }
}

TEST_F(CdPlayer, ChosenTrackRepeats) {
    settings.BGM_RepeatTrack = 3;
    drive.answer("status cdaudio position track 3", 0, "03:00:00:00");

    // Right after opening the drive is stopped: the chosen track starts.
    insert_disc("1", "stopped");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode, "status cdaudio position track 3",
                                     "play cdaudio from 03:00:00:00"));
    EXPECT_TRUE(bgm.CD_Continue);
    EXPECT_EQ(drive.last_call_of(kMode).size, 255u);
    EXPECT_EQ(drive.last_call_of("status cdaudio position track 3").size, 512u);

    // While track 3 plays, only the queries go out.
    insert_disc("3", "playing");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode));
    EXPECT_TRUE(bgm.CD_Continue);

    // Paused on the chosen track: left alone.
    insert_disc("3", "paused");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode));

    // The disc has moved on to track 4: back to the start of track 3.
    insert_disc("4", "playing");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode, "status cdaudio position track 3",
                                     "play cdaudio from 03:00:00:00"));
    EXPECT_TRUE(bgm.CD_Continue);
}

TEST_F(CdPlayer, StoppedOnTheChosenTrackStartsItAgain) {
    settings.BGM_RepeatTrack = 3;
    drive.answer("status cdaudio position track 3", 0, "03:00:00:00");
    insert_disc("3", "stopped");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode, "status cdaudio position track 3",
                                     "play cdaudio from 03:00:00:00"));
}

TEST_F(CdPlayer, WholeDiscPlaysOnFromWhereItIs) {
    insert_disc("1", "stopped");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode, "play cdaudio"));
    EXPECT_TRUE(bgm.CD_Continue);

    insert_disc("5", "playing");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode));

    // A current-track reply that is not a number does not matter here.
    insert_disc("?", "playing");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode));
    EXPECT_TRUE(bgm.CD_Continue);
}

TEST_F(CdPlayer, ModeIsComparedExactlyOnItsFirstSevenLetters) {
    insert_disc("1", "Stopped");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode));
    insert_disc("1", "stop");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode));
    insert_disc("1", "stopped ");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode, "play cdaudio"));
}

TEST_F(CdPlayer, FailedModeQueryDoesNotReuseAnEarlierMode) {
    insert_disc("1", "stopped");
    check();
    drive.answer(kMode, 263);
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode));
    EXPECT_EQ(bgm.ApiResult, 263);
    EXPECT_TRUE(bgm.CD_Continue);
}

TEST_F(CdPlayer, NoDriveOrNoDiscEndsTheChecks) {
    settings.BGM_RepeatTrack = 3;
    drive.answer(kCurrent, 266);
    EXPECT_THAT(check(), ElementsAre(kCurrent));
    EXPECT_FALSE(bgm.CD_Continue);
    EXPECT_EQ(bgm.ApiResult, 266);

    // A drive that knows its current track but cannot count the tracks.
    drive.answer(kCurrent, 0, "1");
    drive.answer(kCount, 256 + 30);
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount));
    EXPECT_FALSE(bgm.CD_Continue);
}

TEST_F(CdPlayer, ReplyContainingErrInAnyCaseEndsTheChecks) {
    insert_disc("terr", "stopped");
    EXPECT_THAT(check(), ElementsAre(kCurrent));
    EXPECT_FALSE(bgm.CD_Continue);

    insert_disc("1", "stopped");
    drive.answer(kCount, 0, "ERR");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount));
    EXPECT_FALSE(bgm.CD_Continue);

    // A new check starts hopeful again.
    insert_disc("1", "playing");
    check();
    EXPECT_TRUE(bgm.CD_Continue);
}

TEST_F(CdPlayer, CurrentTrackThatIsNotANumberEndsTheChecks) {
    settings.BGM_RepeatTrack = 3;
    for (const char* reply : {"", "three", "3.5", "99999999999"}) {
        insert_disc(reply, "stopped");
        EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode)) << reply;
        EXPECT_FALSE(bgm.CD_Continue) << reply;
    }
}

TEST_F(CdPlayer, TrackTheDiscLacksStaysSilentButKeepsChecking) {
    settings.BGM_RepeatTrack = 30;
    drive.answer("status cdaudio position track 30", 263);
    drive.answer("play cdaudio from Error:263", 259);
    for (int tick = 0; tick < 2; ++tick) {
        insert_disc("1", "stopped");
        EXPECT_THAT(check(),
                    ElementsAre(kCurrent, kCount, kMode, "status cdaudio position track 30",
                                "play cdaudio from Error:263"));
        EXPECT_TRUE(bgm.CD_Continue);
        EXPECT_EQ(bgm.ApiResult, 259);
    }
}

TEST_F(CdPlayer, NegativeTrackIsAskedForAsIs) {
    settings.BGM_RepeatTrack = -2;
    drive.answer("status cdaudio position track -2", 263);
    insert_disc("1", "playing");
    EXPECT_THAT(check(), ElementsAre(kCurrent, kCount, kMode, "status cdaudio position track -2",
                                     "play cdaudio from Error:263"));
    EXPECT_TRUE(bgm.CD_Continue);
}

}  // namespace
}  // namespace velmora::music
