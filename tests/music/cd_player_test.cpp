// The music CD player: opening, the 200 ms check that starts and repeats, closing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "music/core/cd_player.h"
#include "tests/music/scripted_drive.h"

namespace velmora::music {
namespace {

using ::testing::ElementsAre;
using testing::ScriptedDrive;

constexpr char kCurrent[] = "status cdaudio current track";
constexpr char kCount[] = "status cdaudio number of tracks";
constexpr char kMode[] = "status cdaudio mode";

class CdPlayerTest : public ::testing::Test {
  protected:
    // A disc of 9 tracks in a working drive.
    void InsertDisc(const std::string& current, const std::string& mode) {
        drive.Answer(kCurrent, 0, current);
        drive.Answer(kCount, 0, "9");
        drive.Answer(kMode, 0, mode);
    }
    void RepeatTrack(std::int16_t track) { cd.emplace(commands, track); }
    std::vector<std::string> Check() {
        drive.calls.clear();
        keep_checking = cd->Check();
        return drive.Commands();
    }

    ScriptedDrive drive;
    MediaCommands commands{drive};
    std::optional<CdPlayer> cd{std::in_place, commands, 0};
    bool keep_checking = false;
};

TEST_F(CdPlayerTest, OpenAndCloseAskForNoReplyAndIgnoreFailures) {
    drive.Answer("open cdaudio", 266);
    drive.Answer("set cdaudio time format tmsf", 263);
    cd->Open();
    drive.Answer("close cdaudio", 263);
    cd->Close();
    EXPECT_THAT(drive.Commands(), ElementsAre("open cdaudio", "set cdaudio time format tmsf",
                                              "stop cdaudio", "close cdaudio"));
    for (const auto& call : drive.calls) {
        EXPECT_EQ(call.reply_length, 0u) << call.command;
    }
}

TEST_F(CdPlayerTest, ChosenTrackRepeats) {
    RepeatTrack(3);
    drive.Answer("status cdaudio position track 3", 0, "03:00:00:00");

    // Right after opening the drive is stopped: the chosen track starts.
    InsertDisc("1", "stopped");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode, "status cdaudio position track 3",
                                     "play cdaudio from 03:00:00:00"));
    EXPECT_TRUE(keep_checking);
    EXPECT_EQ(drive.LastCallOf(kMode).reply_length, 255u);
    EXPECT_EQ(drive.LastCallOf("status cdaudio position track 3").reply_length, 512u);

    // While track 3 plays, only the queries go out.
    InsertDisc("3", "playing");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode));
    EXPECT_TRUE(keep_checking);

    // Paused on the chosen track: left alone.
    InsertDisc("3", "paused");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode));

    // The disc has moved on to track 4, or stopped on track 3: back to the start of track 3.
    for (const char* track : {"4", "3"}) {
        InsertDisc(track, track[0] == '4' ? "playing" : "stopped");
        EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode, "status cdaudio position track 3",
                                         "play cdaudio from 03:00:00:00"));
        EXPECT_TRUE(keep_checking);
    }
}

TEST_F(CdPlayerTest, WholeDiscPlaysOnFromWhereItIs) {
    InsertDisc("1", "stopped");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode, "play cdaudio"));
    EXPECT_TRUE(keep_checking);

    InsertDisc("5", "playing");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode));

    // A current-track reply that is not a number does not matter here.
    InsertDisc("?", "playing");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode));
    EXPECT_TRUE(keep_checking);
}

TEST_F(CdPlayerTest, ModeIsComparedExactlyOnItsFirstSevenLetters) {
    InsertDisc("1", "Stopped");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode));
    InsertDisc("1", "stop");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode));
    InsertDisc("1", "stopped ");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode, "play cdaudio"));
}

TEST_F(CdPlayerTest, FailedModeQueryDoesNotReuseAnEarlierMode) {
    InsertDisc("1", "stopped");
    Check();
    drive.Answer(kMode, 263);
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode));
    EXPECT_TRUE(keep_checking);
}

TEST_F(CdPlayerTest, NoDriveOrNoDiscEndsTheChecks) {
    RepeatTrack(3);
    drive.Answer(kCurrent, 266);
    EXPECT_THAT(Check(), ElementsAre(kCurrent));
    EXPECT_FALSE(keep_checking);

    // A drive that knows its current track but cannot count the tracks.
    drive.Answer(kCurrent, 0, "1");
    drive.Answer(kCount, 256 + 30);
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount));
    EXPECT_FALSE(keep_checking);
}

TEST_F(CdPlayerTest, ReplyContainingErrInAnyCaseEndsTheChecks) {
    InsertDisc("terr", "stopped");
    EXPECT_THAT(Check(), ElementsAre(kCurrent));
    EXPECT_FALSE(keep_checking);

    InsertDisc("1", "stopped");
    drive.Answer(kCount, 0, "ERR");
    EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount));
    EXPECT_FALSE(keep_checking);

    // A new check starts hopeful again.
    InsertDisc("1", "playing");
    Check();
    EXPECT_TRUE(keep_checking);
}

TEST_F(CdPlayerTest, CurrentTrackThatIsNotANumberEndsTheChecks) {
    RepeatTrack(3);
    for (const char* reply : {"", "three", "3.5", "99999999999"}) {
        InsertDisc(reply, "stopped");
        EXPECT_THAT(Check(), ElementsAre(kCurrent, kCount, kMode)) << reply;
        EXPECT_FALSE(keep_checking) << reply;
    }
}

TEST_F(CdPlayerTest, TrackTheDiscLacksStaysSilentButKeepsChecking) {
    RepeatTrack(30);
    drive.Answer("status cdaudio position track 30", 263);
    drive.Answer("play cdaudio from Error:263", 259);
    for (int tick = 0; tick < 2; ++tick) {
        InsertDisc("1", "stopped");
        EXPECT_THAT(Check(),
                    ElementsAre(kCurrent, kCount, kMode, "status cdaudio position track 30",
                                "play cdaudio from Error:263"));
        EXPECT_TRUE(keep_checking);
    }
}

}  // namespace
}  // namespace velmora::music
