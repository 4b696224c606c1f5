// The media command layer: sending commands, turning replies and failures into text.

#include <cstring>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music/core/bgm_texts.h"
#include "music/core/mci_text.h"
#include "music/core/velmora_bgm.h"
#include "tests/music/scripted_drive.h"

namespace velmora::music {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ScriptedDrive;

class MciLayer : public ::testing::Test {
  protected:
    ScriptedDrive drive;
    BgmSettings settings;
    Velmora_BGM bgm{drive, settings};
};

TEST_F(MciLayer, EmptyCommandIsRefusedWithoutCallingThePlatform) {
    bgm.ApiResult = 7;
    std::string text;
    EXPECT_EQ(bgm.Mci_Send("", text), -1);
    EXPECT_EQ(text, kNoCommandText);

    EXPECT_EQ(bgm.Mci_Query(""), "Error:-1");
    EXPECT_EQ(bgm.Mci_Reply, kNoCommandText);
    EXPECT_EQ(bgm.ApiResult, -1);
    EXPECT_THAT(drive.calls, IsEmpty());
}

TEST_F(MciLayer, SuccessGivesTheReplyBeforeItsNul) {
    drive.answer("status cdaudio current track", 0, "12");
    std::string text = "old";
    bgm.ApiResult = 99;
    EXPECT_EQ(bgm.Mci_Send("status cdaudio current track", text), 0);
    EXPECT_EQ(text, "12");  // the filler after the NUL is not part of it
    EXPECT_EQ(bgm.ApiResult, 0);
    ASSERT_EQ(drive.calls.size(), 1u);
    EXPECT_TRUE(drive.calls[0].with_buffer);
    EXPECT_EQ(drive.calls[0].size, 512u);

    EXPECT_EQ(bgm.Mci_Query("status cdaudio current track"), "12");
    EXPECT_EQ(bgm.Mci_Reply, "12");
}

TEST_F(MciLayer, ReplyThatFillsTheWholeBufferIsReadToItsEnd) {
    drive.answer("info cdaudio", 0, std::string(600, 'a'));
    EXPECT_EQ(bgm.Mci_Query("info cdaudio"), std::string(512, 'a'));
}

TEST(MciLayerDriver, ReplyOfAnEarlierCommandIsNotReturnedAgain) {
    // A driver that writes its reply for the first command and leaves the
    // buffer untouched for the second.
    struct WritesOnce : ScriptedDrive {
        std::int32_t send_string(const std::string&, char* reply, std::uint32_t) override {
            if (!written) {
                std::strcpy(reply, "Drive");
                written = true;
            }
            return 0;
        }
        bool written = false;
    };
    WritesOnce drive;
    BgmSettings settings;
    Velmora_BGM bgm{drive, settings};
    EXPECT_EQ(bgm.Mci_Query("info cdaudio product"), "Drive");
    EXPECT_EQ(bgm.Mci_Query("seek cdaudio to start"), "");
}

TEST_F(MciLayer, FailureGivesTheErrorTextAndTheCode) {
    drive.answer("open cdaudio", 266, "ignored");
    drive.error_text(266, "The driver cannot be loaded.");
    std::string text;
    EXPECT_EQ(bgm.Mci_Send("open cdaudio", text), 266);
    EXPECT_EQ(text, "The driver cannot be loaded.");
    EXPECT_EQ(bgm.ApiResult, 266);
    EXPECT_THAT(drive.error_calls, ElementsAre(std::make_pair(266, 256u)));

    EXPECT_EQ(bgm.Mci_Query("open cdaudio"), "Error:266");
    EXPECT_EQ(bgm.Mci_Reply, "The driver cannot be loaded.");
}

TEST_F(MciLayer, CodeWithoutErrorTextGivesTheFallbackText) {
    drive.answer("status cdaudio mode", 12345);
    EXPECT_EQ(bgm.Mci_Query("status cdaudio mode"), "Error:12345");
    EXPECT_EQ(bgm.Mci_Reply, kNoErrorText);

    drive.answer("status cdaudio mode", -3);  // negative codes keep their sign
    EXPECT_EQ(bgm.Mci_Query("status cdaudio mode"), "Error:-3");
}

TEST_F(MciLayer, ErrorTextFillingItsWholeBufferIsReadToItsEnd) {
    drive.answer("x", 300);
    drive.error_text(300, std::string(400, 'e'));
    bgm.Mci_Query("x");
    EXPECT_EQ(bgm.Mci_Reply, std::string(256, 'e'));
}

TEST_F(MciLayer, PlayCommandShapes) {
    drive.answer("play cdaudio from 3 to 4", 263);
    EXPECT_EQ(bgm.Mci_Play("cdaudio", "", ""), 0);
    EXPECT_EQ(bgm.Mci_Play("cdaudio", "03:00:00:00", ""), 0);
    EXPECT_EQ(bgm.Mci_Play("cdaudio", "", "4"), 0);
    EXPECT_EQ(bgm.Mci_Play("cdaudio", "3", "4"), 263);
    EXPECT_EQ(bgm.ApiResult, 263);
    EXPECT_THAT(drive.commands(), ElementsAre("play cdaudio", "play cdaudio from 03:00:00:00",
                                              "play cdaudio to 4", "play cdaudio from 3 to 4"));
    EXPECT_EQ(drive.calls[0].size, 512u);
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

TEST(MciText, NumbersAreReadWhole) {
    EXPECT_EQ(ReadNumber("3"), 3);
    EXPECT_EQ(ReadNumber(" 12 "), 12);
    EXPECT_EQ(ReadNumber("-4"), -4);
    EXPECT_EQ(ReadNumber("+5"), 5);
    EXPECT_EQ(ReadNumber("2147483647"), 2147483647);
    EXPECT_EQ(ReadNumber("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadNumber(""), std::nullopt);
    EXPECT_EQ(ReadNumber("  "), std::nullopt);
    EXPECT_EQ(ReadNumber("-"), std::nullopt);
    EXPECT_EQ(ReadNumber("3a"), std::nullopt);
    EXPECT_EQ(ReadNumber("0x3"), std::nullopt);
    EXPECT_EQ(ReadNumber("2147483648"), std::nullopt);
    EXPECT_EQ(ReadNumber("99999999999999999999"), std::nullopt);
}

}  // namespace
}  // namespace velmora::music
