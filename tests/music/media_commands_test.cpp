// The media command layer: sending commands, turning replies and failures into text.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music/core/mci_text.h"
#include "music/core/media_commands.h"
#include "tests/music/scripted_drive.h"

namespace velmora::music {
namespace {

using namespace text::literals;

using ::testing::IsEmpty;
using testing::ScriptedDrive;

class MediaCommandsTest : public ::testing::Test {
  protected:
    ScriptedDrive drive;
    MediaCommands commands{drive};
};

TEST_F(MediaCommandsTest, EmptyCommandIsRefusedWithoutCallingThePlatform) {
    EXPECT_EQ(commands.Query(""_cp932), "Error:-1"_cp932);
    EXPECT_THAT(drive.calls, IsEmpty());
}

TEST_F(MediaCommandsTest, SuccessGivesTheReplyBeforeItsNul) {
    drive.Answer("status cdaudio current track", 0, "12");
    EXPECT_EQ(commands.Query("status cdaudio current track"_cp932), "12"_cp932);
    ASSERT_EQ(drive.calls.size(), 1u);
    EXPECT_EQ(drive.calls[0].reply_length, 512u);
}

TEST_F(MediaCommandsTest, FailureGivesErrorAndTheCodeWithItsSign) {
    drive.Answer("open cdaudio", 266, "ignored");
    EXPECT_EQ(commands.Query("open cdaudio"_cp932), "Error:266"_cp932);
    drive.Answer("status cdaudio mode", -3);
    EXPECT_EQ(commands.Query("status cdaudio mode"_cp932), "Error:-3"_cp932);
}

TEST(MciText, ErrorMarkIsFoundInAnyLetterCase) {
    EXPECT_TRUE(HasErrorMark("Error:266"_cp932));
    EXPECT_TRUE(HasErrorMark("Error:-1"_cp932));
    EXPECT_TRUE(HasErrorMark("drive terror"_cp932));
    EXPECT_TRUE(HasErrorMark("eRr"_cp932));
    EXPECT_TRUE(HasErrorMark("EERR"_cp932));
    EXPECT_FALSE(HasErrorMark("12"_cp932));
    EXPECT_FALSE(HasErrorMark("ER R"_cp932));
    EXPECT_FALSE(HasErrorMark(""_cp932));
}

TEST(MciText, SecondBytesOfDoubleByteCharactersAreNotLetters) {
    // "ウ" is 83 45: its second byte is an "E" only to a byte-wise search.
    EXPECT_FALSE(HasErrorMark("\x83\x45RR"_cp932));
    EXPECT_TRUE(
        HasErrorMark("\x83\x45"_cp932
                     "ERR"));
    EXPECT_FALSE(HasErrorMark("\x83"_cp932));  // a cut-off character at the end
}

}  // namespace
}  // namespace velmora::music
