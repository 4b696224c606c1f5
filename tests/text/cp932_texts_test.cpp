// The build's turning of readable UTF-8 texts into code page 932 bytes.
#include <gtest/gtest.h>

#include "tests/support/cp932_text.h"
#include "tests/text/awkward_texts.h"

namespace velmora::text {
namespace {

using velmora::testing::Cp932ToUtf8;

TEST(Cp932Texts, ReadBackAsWrittenWhereTheirBytesAreAwkwardInAString) {
    EXPECT_EQ(Cp932ToUtf8(kBackslashTrails), "ソ表能\n");
    EXPECT_EQ(Cp932ToUtf8(kLetterTrails), "楽作品、開く");
    EXPECT_EQ(Cp932ToUtf8(kHexDigitsAfter), "楽CD、ab ﾌｧｲﾙ1F");
}

}  // namespace
}  // namespace velmora::text
