// The code-page-932 bytes of the program's message against its readable form.
#include <gtest/gtest.h>

#include "saver/core/saver_texts.h"
#include "tests/support/cp932_text.h"

namespace velmora::saver {
namespace {

TEST(SaverTexts, TheMissingRendererMessageIsItsCp932Bytes) {
    EXPECT_EQ(velmora::testing::Cp932ToUtf8(kMissingRendererMessage),
              "Velmora.dll が Velmora.scr と同じﾌｫﾙﾀﾞに見つかりません！");
}

}  // namespace
}  // namespace velmora::saver
