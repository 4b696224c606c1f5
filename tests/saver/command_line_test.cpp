#include "saver/core/command_line.h"

#include <gtest/gtest.h>

namespace velmora::saver {
namespace {

using namespace text::literals;

TEST(ArgumentText, TextAfterTheProgramPath) {
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\Saver.scr\" /s"_cp932), "/s"_cp932);
    EXPECT_EQ(ArgumentText("C:\\WINDOWS\\Saver.scr /p 1234"_cp932), "/p 1234"_cp932);
    EXPECT_EQ(ArgumentText("Saver.scr   \t/c:88"_cp932), "/c:88"_cp932);
    EXPECT_EQ(ArgumentText("\"C:\\a b\\Saver.scr\""_cp932), ""_cp932);
    EXPECT_EQ(ArgumentText("Saver.scr"_cp932), ""_cp932);
    EXPECT_EQ(ArgumentText("\"unterminated /s"_cp932), ""_cp932);
    EXPECT_EQ(ArgumentText(""_cp932), ""_cp932);
    // A quoted path followed directly by the request.
    EXPECT_EQ(ArgumentText("\"Saver.scr\"/s"_cp932), "/s"_cp932);
}

TEST(ModeLetter, OnlyTheSecondCharacterCountsUpperCased) {
    EXPECT_EQ(ModeLetter("/s"_cp932), 'S');
    EXPECT_EQ(ModeLetter("/S"_cp932), 'S');
    EXPECT_EQ(ModeLetter("-s"_cp932), 'S');
    EXPECT_EQ(ModeLetter("/scr"_cp932), 'S');
    EXPECT_EQ(ModeLetter("/c:1234"_cp932), 'C');
    EXPECT_EQ(ModeLetter("/p 1234"_cp932), 'P');
    EXPECT_EQ(ModeLetter("/a"_cp932), 'A');
    EXPECT_EQ(ModeLetter("S"_cp932), '\0');
    EXPECT_EQ(ModeLetter(""_cp932), '\0');
    EXPECT_EQ(ModeLetter("xs"_cp932), 'S');
    // Bytes beyond ASCII are not case-mapped.
    EXPECT_EQ(ModeLetter("/\xE0"_cp932), '\xE0');
    // Code page 932 characters whose second byte is "s", "p" or "c": ピ, パ, ツ.
    for (const text::Cp932View text :
         {"/\x83\x73"_cp932, "/\x83\x70 1234"_cp932, "-\x83\x63"_cp932}) {
        EXPECT_EQ(ModeLetter(text), '\0') << text.Bytes();
    }
}

TEST(PreviewHostHandle, ReadFromPositionFour) {
    EXPECT_EQ(PreviewHostHandle("/p 1234"_cp932), 1234);
    EXPECT_EQ(PreviewHostHandle("/P1234"_cp932), 234);  // reading starts at position 4
    EXPECT_EQ(PreviewHostHandle("/p"_cp932), 0);
    EXPECT_EQ(PreviewHostHandle("/p "_cp932), 0);
    EXPECT_EQ(PreviewHostHandle("/p abc"_cp932), 0);
    EXPECT_EQ(PreviewHostHandle("/p 65548xyz"_cp932), 65548);
    EXPECT_EQ(PreviewHostHandle("/\x95\x5C"_cp932
                                "12345"_cp932),
              2345);  // 表 is one character
    EXPECT_EQ(PreviewHostHandle("/p   \t 42"_cp932), 42);
    EXPECT_EQ(PreviewHostHandle("/p 1 2 3"_cp932), 123);  // blanks are skipped everywhere
    EXPECT_EQ(PreviewHostHandle("/p -77"_cp932), -77);
    EXPECT_EQ(PreviewHostHandle("/p 12.5"_cp932), 12);  // nearest, halves to even
    EXPECT_EQ(PreviewHostHandle("/p 13.5"_cp932), 14);
    EXPECT_EQ(PreviewHostHandle("/p 1e3"_cp932), 1000);
    EXPECT_EQ(PreviewHostHandle("/p 1e"_cp932), 1);
}

TEST(PreviewHostHandle, NumbersBeyond32BitsGiveZero) {
    EXPECT_EQ(PreviewHostHandle("/p 2147483647"_cp932), 2147483647);
    EXPECT_EQ(PreviewHostHandle("/p -2147483648"_cp932), -2147483647 - 1);
    EXPECT_EQ(PreviewHostHandle("/p 2147483648"_cp932), 0);
    EXPECT_EQ(PreviewHostHandle("/p 4294967296"_cp932), 0);
    EXPECT_EQ(PreviewHostHandle("/p -2147483649"_cp932), 0);
    EXPECT_EQ(PreviewHostHandle("/p 1e400"_cp932), 0);
    EXPECT_EQ(PreviewHostHandle("/p 99999999999999999999999"_cp932), 0);
}

}  // namespace
}  // namespace velmora::saver
