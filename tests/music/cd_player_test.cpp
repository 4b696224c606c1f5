// The music CD player's check against a scripted drive, for what no real
// driver shows on demand: failing and unreadable replies, a disc moved
// elsewhere, discs whose music does not fill them.

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
    // A disc of 9 audio tracks of 2 seconds in a working drive.
    void InsertDisc(const std::string& current, const std::string& mode) {
        drive.Answer(kCurrent, 0, current);
        drive.Answer(kCount, 0, "9");
        drive.Answer(kMode, 0, mode);
        for (int track = 1; track <= 9; ++track) {
            const std::string number = std::to_string(track);
            drive.Answer("status cdaudio type track " + number, 0, "audio");
            drive.Answer("status cdaudio position track " + number, 0, "0" + number + ":00:00:00");
            drive.Answer("status cdaudio length track " + number, 0, "00:02:00");
        }
    }
    void RepeatTrack(std::int16_t track) { cd.emplace(commands, track); }
    std::vector<std::string> Check() {
        drive.calls.clear();
        keep_checking = cd->Check();
        return drive.Commands();
    }
    // The play command the last check sent, or "" for none.
    std::string PlayAfterCheck() {
        Check();
        for (const std::string& command : drive.Commands()) {
            if (command.rfind("play ", 0) == 0) {
                return command;
            }
        }
        return "";
    }

    ScriptedDrive drive;
    MediaCommands commands{drive};
    std::optional<CdPlayer> cd{std::in_place, commands, 0};
    bool keep_checking = false;
};

TEST_F(CdPlayerTest, ChosenTrackStartsAgainWhenStoppedOrMovedElsewhere) {
    RepeatTrack(3);
    InsertDisc("3", "stopped");
    EXPECT_EQ(PlayAfterCheck(), "play cdaudio from 03:00:00:00 to 03:00:01:74");

    // Playing or paused on the chosen track, or on a track the drive does not name.
    for (const char* current : {"3", "0"}) {
        for (const char* mode : {"playing", "paused"}) {
            InsertDisc(current, mode);
            EXPECT_EQ(PlayAfterCheck(), "") << current << " " << mode;
        }
    }
    InsertDisc("4", "playing");
    EXPECT_EQ(PlayAfterCheck(), "play cdaudio from 03:00:00:00 to 03:00:01:74");
    EXPECT_TRUE(keep_checking);
}

TEST_F(CdPlayerTest, EndIsOneFrameBeforeTheLastTracksEnd) {
    RepeatTrack(3);
    InsertDisc("3", "stopped");
    drive.Answer("status cdaudio length track 3", 0, "01:00:00");
    EXPECT_EQ(PlayAfterCheck(), "play cdaudio from 03:00:00:00 to 03:00:59:74");
    drive.Answer("status cdaudio length track 3", 0, "00:00:01");
    EXPECT_EQ(PlayAfterCheck(), "play cdaudio from 03:00:00:00 to 03:00:00:00");
}

TEST_F(CdPlayerTest, WholeDiscPlaysItsMusicOnlyAndRoundAgainWhenStopped) {
    InsertDisc("0", "stopped");
    drive.Answer("status cdaudio type track 1", 0, "other");
    drive.Answer("status cdaudio type track 9", 0, "1089");
    drive.Answer("status cdaudio type track 8", 0, "1088");  // Wine's answer for "audio"
    EXPECT_EQ(PlayAfterCheck(), "play cdaudio from 02:00:00:00 to 08:00:01:74");
    EXPECT_TRUE(keep_checking);

    InsertDisc("5", "playing");
    EXPECT_EQ(PlayAfterCheck(), "");
    // A current-track reply that is not a number does not matter here.
    InsertDisc("?", "playing");
    EXPECT_EQ(PlayAfterCheck(), "");
    EXPECT_TRUE(keep_checking);
}

TEST_F(CdPlayerTest, DataTrackBetweenMusicIsPassedOverEachTimeRound) {
    // Audio 1-3, data 4, audio 5-9: each stretch of music in turn, then the first again.
    std::vector<std::string> plays;
    for (int round = 0; round < 3; ++round) {
        InsertDisc("0", "stopped");
        drive.Answer("status cdaudio type track 4", 0, "other");
        plays.push_back(PlayAfterCheck());
        EXPECT_TRUE(keep_checking);
    }
    EXPECT_THAT(plays, ElementsAre("play cdaudio from 01:00:00:00 to 03:00:01:74",
                                   "play cdaudio from 05:00:00:00 to 09:00:01:74",
                                   "play cdaudio from 01:00:00:00 to 03:00:01:74"));
}

TEST_F(CdPlayerTest, DiscWithoutMusicOrCountEndsTheChecks) {
    InsertDisc("0", "stopped");
    for (int track = 1; track <= 9; ++track) {
        drive.Answer("status cdaudio type track " + std::to_string(track), 0, "other");
    }
    EXPECT_EQ(PlayAfterCheck(), "");
    EXPECT_FALSE(keep_checking);

    for (const char* count : {"nine", "100"}) {
        InsertDisc("0", "stopped");
        drive.Answer(kCount, 0, count);
        EXPECT_EQ(PlayAfterCheck(), "") << count;
        EXPECT_FALSE(keep_checking) << count;
    }
}

TEST_F(CdPlayerTest, FailingOrUnreadablePlacesPlayNothingButKeepChecking) {
    RepeatTrack(3);
    const auto silent = [&](const char* what) {
        EXPECT_EQ(PlayAfterCheck(), "") << what;
        EXPECT_TRUE(keep_checking) << what;
    };
    InsertDisc("1", "stopped");
    drive.Answer("status cdaudio type track 3", 263);
    silent("type failed");
    drive.Answer("status cdaudio type track 3", 0, "other");
    silent("data track");
    InsertDisc("1", "stopped");
    drive.Answer("status cdaudio position track 3", 263);
    silent("start failed");
    for (const char* length : {"", "00:02", "00:02:00:00", "0a:02:00", "00:00:00", "00:-1:00"}) {
        InsertDisc("1", "stopped");
        drive.Answer("status cdaudio length track 3", 0, length);
        silent(length);
    }
}

TEST_F(CdPlayerTest, ModeIsComparedExactlyOnItsFirstSevenLetters) {
    for (const char* mode : {"Stopped", "stop", ""}) {
        InsertDisc("1", mode);
        EXPECT_EQ(PlayAfterCheck(), "") << mode;
    }
    InsertDisc("1", "stopped ");
    EXPECT_NE(PlayAfterCheck(), "");
    EXPECT_EQ(drive.LastCallOf(kMode).reply_length, 255u);

    // A failed mode query does not reuse an earlier mode.
    drive.Answer(kMode, 263);
    EXPECT_EQ(PlayAfterCheck(), "");
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

}  // namespace
}  // namespace velmora::music
