#include "text/core/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>

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

TEST(ParseWholeInteger, SignAndDigitsOnlyWithinSixtyFourBits) {
    EXPECT_EQ(ParseWholeInteger("3"), 3);
    EXPECT_EQ(ParseWholeInteger(" 12\t"), 12);
    EXPECT_EQ(ParseWholeInteger("-4"), -4);
    EXPECT_EQ(ParseWholeInteger("+5"), 5);
    EXPECT_EQ(ParseWholeInteger("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(ParseWholeInteger("-9223372036854775808"), INT64_MIN);
    for (const char* other : {"", "  ", "-", "3a", "0x3", "3.5", "1 2", "9223372036854775808",
                              "-9223372036854775809", "99999999999999999999"}) {
        EXPECT_FALSE(ParseWholeInteger(other)) << other;
    }
    EXPECT_EQ(Narrowed<std::int32_t>(ParseWholeInteger("-2147483648")), INT32_MIN);
    EXPECT_FALSE(Narrowed<std::int32_t>(ParseWholeInteger("2147483648")));
    EXPECT_FALSE(Narrowed<std::int32_t>(std::nullopt));
}

}  // namespace
}  // namespace velmora::text
