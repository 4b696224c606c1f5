#include "text/core/number_text.h"

#include <gtest/gtest.h>

namespace velmora::text {
namespace {

TEST(ReadNumberFromFront, SkipsBlanksEverywhereAndStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(ReadNumberFromFront(" 1 2\t3\n4x5"), 1234.0);
    EXPECT_EQ(ReadNumberFromFront("-7.5e1"), -75.0);
    EXPECT_EQ(ReadNumberFromFront("1e"), 1.0);
    EXPECT_EQ(ReadNumberFromFront("abc"), 0.0);
    EXPECT_EQ(ReadNumberFromFront(""), 0.0);
}

TEST(ParseWholeNumber, WholeTextOrNothing) {
    EXPECT_EQ(ParseWholeNumber("2"), 2.0);
    EXPECT_EQ(ParseWholeNumber("  -0.5\t"), -0.5);
    EXPECT_EQ(ParseWholeNumber("+3"), 3.0);
    EXPECT_EQ(ParseWholeNumber(".5"), 0.5);
    EXPECT_EQ(ParseWholeNumber("5."), 5.0);
    EXPECT_EQ(ParseWholeNumber("2E2"), 200.0);
    EXPECT_FALSE(ParseWholeNumber("abc"));
    EXPECT_FALSE(ParseWholeNumber("1 2"));
    EXPECT_FALSE(ParseWholeNumber("1x"));
    EXPECT_FALSE(ParseWholeNumber("-"));
    EXPECT_FALSE(ParseWholeNumber("."));
    EXPECT_FALSE(ParseWholeNumber("  "));
    EXPECT_FALSE(ParseWholeNumber("1e999"));
}

}  // namespace
}  // namespace velmora::text
