// The music module's Japanese texts are the code-page-932 bytes of their readable forms.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/cp932_text.h"
#include "music/core/music_texts.h"

namespace velmora::music {
namespace {

using velmora::testing::Cp932ToUtf8;

TEST(MusicTexts, AreTheCodePage932BytesOfTheirReadableForms) {
    EXPECT_EQ(Cp932ToUtf8(kNoCommandText), "コマンド文字列が指定されていません");
    EXPECT_EQ(Cp932ToUtf8(kNoErrorText), "Error (文字列が取れません)");
}

}  // namespace
}  // namespace velmora::music
