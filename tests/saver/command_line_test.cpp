#include "saver/core/command_line.h"

#include <gtest/gtest.h>

namespace velmora::saver {
namespace {

TEST(ArgumentText, TextAfterTheProgramPath) {
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\Velmora.scr\" /s"), "/s");
    EXPECT_EQ(ArgumentText("C:\\WINDOWS\\Velmora.scr /p 1234"), "/p 1234");
    EXPECT_EQ(ArgumentText("Velmora.scr   \t/c:88"), "/c:88");
    EXPECT_EQ(ArgumentText("\"C:\\a b\\Velmora.scr\""), "");
    EXPECT_EQ(ArgumentText("Velmora.scr"), "");
    EXPECT_EQ(ArgumentText("\"unterminated /s"), "");
    EXPECT_EQ(ArgumentText(""), "");
    // A quoted path followed directly by the request.
    EXPECT_EQ(ArgumentText("\"Velmora.scr\"/s"), "/s");
}

TEST(ModeLetter, OnlyTheSecondCharacterCountsUpperCased) {
    EXPECT_EQ(ModeLetter("/s"), 'S');
    EXPECT_EQ(ModeLetter("/S"), 'S');
    EXPECT_EQ(ModeLetter("-s"), 'S');
    EXPECT_EQ(ModeLetter("/scr"), 'S');
    EXPECT_EQ(ModeLetter("/c:1234"), 'C');
    EXPECT_EQ(ModeLetter("/p 1234"), 'P');
    EXPECT_EQ(ModeLetter("/a"), 'A');
    EXPECT_EQ(ModeLetter("S"), '\0');
    EXPECT_EQ(ModeLetter(""), '\0');
    EXPECT_EQ(ModeLetter("xs"), 'S');
    // Bytes beyond ASCII are not case-mapped.
    EXPECT_EQ(ModeLetter("/\xE0"), '\xE0');
    // Code page 932 characters whose second byte is "s", "p" or "c": ピ, パ, ツ.
    for (const char* text : {"/\x83\x73", "/\x83\x70 1234", "-\x83\x63"}) {
        EXPECT_EQ(ModeLetter(text), '\0') << text;
    }
}

TEST(PreviewHostHandle, ReadFromPositionFour) {
    EXPECT_EQ(PreviewHostHandle("/p 1234"), 1234);
    EXPECT_EQ(PreviewHostHandle("/P1234"), 234);  // reading starts at position 4
    EXPECT_EQ(PreviewHostHandle("/p"), 0);
    EXPECT_EQ(PreviewHostHandle("/p "), 0);
    EXPECT_EQ(PreviewHostHandle("/p abc"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 65548xyz"), 65548);
    EXPECT_EQ(PreviewHostHandle("/\x95\x5C"
                                "12345"),
              2345);  // 表 is one character
    EXPECT_EQ(PreviewHostHandle("/p   \t 42"), 42);
    EXPECT_EQ(PreviewHostHandle("/p 1 2 3"), 123);  // blanks are skipped everywhere
    EXPECT_EQ(PreviewHostHandle("/p -77"), -77);
    EXPECT_EQ(PreviewHostHandle("/p 12.5"), 12);  // nearest, halves to even
    EXPECT_EQ(PreviewHostHandle("/p 13.5"), 14);
    EXPECT_EQ(PreviewHostHandle("/p 1e3"), 1000);
    EXPECT_EQ(PreviewHostHandle("/p 1e"), 1);
}

TEST(PreviewHostHandle, NumbersBeyond32BitsGiveZero) {
    EXPECT_EQ(PreviewHostHandle("/p 2147483647"), 2147483647);
    EXPECT_EQ(PreviewHostHandle("/p -2147483648"), -2147483647 - 1);
    EXPECT_EQ(PreviewHostHandle("/p 2147483648"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 4294967296"), 0);
    EXPECT_EQ(PreviewHostHandle("/p -2147483649"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 1e400"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 99999999999999999999999"), 0);
}

}  // namespace
}  // namespace velmora::saver
