// The media command layer: sending commands, turning replies and failures into text.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music/core/mci_text.h"
#include "music/core/media_commands.h"
#include "tests/music/scripted_drive.h"

namespace velmora::music {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ScriptedDrive;

class MediaCommandsTest : public ::testing::Test {
  protected:
    ScriptedDrive drive;
    MediaCommands commands{drive};
};

TEST_F(MediaCommandsTest, EmptyCommandIsRefusedWithoutCallingThePlatform) {
    EXPECT_EQ(commands.Query(""), "Error:-1");
    EXPECT_THAT(drive.calls, IsEmpty());
}

TEST_F(MediaCommandsTest, SuccessGivesTheReplyBeforeItsNul) {
    drive.Answer("status cdaudio current track", 0, "12");
    EXPECT_EQ(commands.Query("status cdaudio current track"), "12");
    ASSERT_EQ(drive.calls.size(), 1u);
    EXPECT_EQ(drive.calls[0].reply_length, 512u);
}

TEST_F(MediaCommandsTest, FailureGivesErrorAndTheCodeWithItsSign) {
    drive.Answer("open cdaudio", 266, "ignored");
    EXPECT_EQ(commands.Query("open cdaudio"), "Error:266");
    drive.Answer("status cdaudio mode", -3);
    EXPECT_EQ(commands.Query("status cdaudio mode"), "Error:-3");
}

TEST_F(MediaCommandsTest, PlayCommandShapes) {
    drive.Answer("play cdaudio from 3 to 4", 263);
    EXPECT_EQ(commands.Play("cdaudio", "", ""), 0);
    EXPECT_EQ(commands.Play("cdaudio", "03:00:00:00", ""), 0);
    EXPECT_EQ(commands.Play("cdaudio", "", "4"), 0);
    EXPECT_EQ(commands.Play("cdaudio", "3", "4"), 263);
    EXPECT_THAT(drive.Commands(), ElementsAre("play cdaudio", "play cdaudio from 03:00:00:00",
                                              "play cdaudio to 4", "play cdaudio from 3 to 4"));
    EXPECT_EQ(drive.calls[0].reply_length, 512u);
}

TEST(MciText, ErrorMarkIsFoundInAnyLetterCase) {
    EXPECT_TRUE(HasErrorMark("Error:266"));
    EXPECT_TRUE(HasErrorMark("Error:-1"));
    EXPECT_TRUE(HasErrorMark("drive terror"));
    EXPECT_TRUE(HasErrorMark("eRr"));
    EXPECT_TRUE(HasErrorMark("EERR"));
    EXPECT_FALSE(HasErrorMark("12"));
    EXPECT_FALSE(HasErrorMark("ER R"));
    EXPECT_FALSE(HasErrorMark(""));
}

TEST(MciText, SecondBytesOfDoubleByteCharactersAreNotLetters) {
    // "ウ" is 83 45: its second byte is an "E" only to a byte-wise search.
    EXPECT_FALSE(HasErrorMark("\x83\x45RR"));
    EXPECT_TRUE(
        HasErrorMark("\x83\x45"
                     "ERR"));
    EXPECT_FALSE(HasErrorMark("\x83"));  // a cut-off character at the end
}

}  // namespace
}  // namespace velmora::music
