// The control's Japanese texts are the code-page-932 form of their readable text.

#include <gtest/gtest.h>
#include <string>

#include "tests/support/cp932_text.h"
#include "button_control/core/command_texts.h"

namespace velmora::button_control {
namespace {

using velmora::testing::Cp932ToUtf8;

TEST(CommandTexts, DesignedFontName) {
    EXPECT_EQ(Cp932ToUtf8(kDesignedFontName), "ＭＳ Ｐゴシック");
}

}  // namespace
}  // namespace velmora::button_control
