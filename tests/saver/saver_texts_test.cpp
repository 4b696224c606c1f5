// The code-page-932 bytes of the texts against their readable form.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/cp932_text.h"
#include "saver/core/saver_texts.h"

namespace velmora::saver {
namespace {

using velmora::testing::Cp932ToUtf8;

TEST(SaverTexts, JapaneseTextsAreTheirCp932Bytes) {
    EXPECT_EQ(Cp932ToUtf8(kKeyKind), "BGM区分");
    EXPECT_EQ(Cp932ToUtf8(kKeyRepeatTrack), "BGMﾘﾋﾟｰﾄ");
    EXPECT_EQ(Cp932ToUtf8(kKeyFile), "BGMﾌｧｲﾙ");
    EXPECT_EQ(Cp932ToUtf8(kMissingRendererMessage),
              "Velmora.dll が Velmora.scr と同じﾌｫﾙﾀﾞに見つかりません！");
}

TEST(SaverTexts, KeysAreTheFileFormatsBytes) {
    // The settings file stays readable by every earlier copy of the program.
    EXPECT_EQ(std::string(kKeyKind), "\x42\x47\x4D\x8B\xE6\x95\xAA");
    EXPECT_EQ(std::string(kKeyRepeatTrack), "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4");
    EXPECT_EQ(std::string(kKeyFile), "\x42\x47\x4D\xCC\xA7\xB2\xD9");
}

}  // namespace
}  // namespace velmora::saver
