#include "text/core/cp932_text.h"

#include <gtest/gtest.h>

#include "tests/support/encoded_text_printing.h"

namespace velmora::text {
namespace {

using namespace literals;

// Characters whose second byte is "\" or an ASCII letter.
constexpr Cp932View kOmote{"\x95\x5C"};  // 表
constexpr Cp932View kSo{"\x83\x5C"};     // ソ
constexpr Cp932View kJuu{"\x8F\x5C"};    // 十
constexpr Cp932View kNou{"\x94\x5C"};    // 能
constexpr Cp932View kPi{"\x83\x73"};     // ピ (s)
constexpr Cp932View kPa{"\x83\x70"};     // パ (p)
constexpr Cp932View kTsu{"\x83\x63"};    // ツ (c)
constexpr Cp932View kShuu{"\x8F\x57"};   // 集 (W)
constexpr Cp932View kDai{"\x91\xE3"};    // 代

Cp932String S(std::initializer_list<Cp932View> parts) {
    Cp932String text;
    for (const Cp932View part : parts) {
        text += part;
    }
    return text;
}

TEST(Cp932Text, PositionsCountCharactersNotBytes) {
    for (const Cp932View letter : {kPi, kPa, kTsu}) {
        EXPECT_EQ(CharacterAt(letter, 1), letter);
        EXPECT_EQ(CharacterAt(letter, 2), ""_cp932);
    }
    EXPECT_EQ(CharacterAt(S({"/"_cp932, kPi}), 2), kPi);
    EXPECT_EQ(CharacterAt("/s"_cp932, 2), "s"_cp932);
    EXPECT_EQ(CharacterAt("/s"_cp932, 0), ""_cp932);
    EXPECT_EQ(FromCharacter(S({kPa, kPa, "/1234"_cp932}), 4), "1234"_cp932);
    EXPECT_EQ(FromCharacter("/p 1234"_cp932, 4), "1234"_cp932);
    // Half-width katakana are one byte; a lead byte at the end stands alone.
    EXPECT_EQ(CharacterAt("\xCC\xA7"_cp932, 2), "\xA7"_cp932);
    EXPECT_EQ(CharacterAt("a\x95"_cp932, 2), "\x95"_cp932);
}

TEST(Cp932Text, UpperCasesAsciiLettersOnly) {
    EXPECT_EQ(UpperAscii(S({"/s"_cp932, kPi, kPa, kTsu, "\xCC"_cp932})),
              S({"/S"_cp932, kPi, kPa, kTsu, "\xCC"_cp932}));
    EXPECT_EQ(FileTypeEnding("theme.mp3"_cp932), "MP3"_cp932);
    EXPECT_EQ(FileTypeEnding("a.Wav"_cp932), "WAV"_cp932);
    EXPECT_EQ(FileTypeEnding(S({"x"_cp932, kShuu, "AV"_cp932})), S({kShuu, "AV"_cp932}));
    EXPECT_EQ(FileTypeEnding("av"_cp932), "AV"_cp932);
}

TEST(Cp932Text, FolderOfStopsAtRealSeparators) {
    EXPECT_EQ(
        FolderOf(S({"C:\\"_cp932, kSo, "\x83\x74\x83\x67"_cp932, kOmote, "\\Other.scr"_cp932})),
        S({"C:\\"_cp932, kSo, "\x83\x74\x83\x67"_cp932, kOmote}));
    EXPECT_EQ(FolderOf(S({"C:\\Savers\\"_cp932, kOmote, ".scr"_cp932})), "C:\\Savers"_cp932);
    EXPECT_EQ(FolderOf(S({"C:\\"_cp932, kOmote, ".scr"_cp932})), "C:\\"_cp932);
    EXPECT_EQ(FolderOf("c:/a/b.scr"_cp932), "c:/a"_cp932);
    EXPECT_EQ(FolderOf("Z:\\tmp\\a b\\Other.scr"_cp932), "Z:\\tmp\\a b"_cp932);
    EXPECT_EQ(FolderOf("Other.scr"_cp932), ""_cp932);
    EXPECT_EQ(FolderOf("\\\\server\\share\\Other.scr"_cp932), "\\\\server\\share"_cp932);
    EXPECT_EQ(FolderOf(S({kJuu, kNou, ".scr"_cp932})), ""_cp932);
}

TEST(Cp932Text, InFolderAddsOneSeparatorByCharacter) {
    const Cp932String folder = S({"C:\\"_cp932, kSo, "\x83\x74\x83\x67"_cp932, kOmote});
    EXPECT_EQ(InFolder(folder, "Other.dll"_cp932), folder + "\\Other.dll"_cp932);
    EXPECT_EQ(InFolder(S({"D:\\"_cp932, kJuu}), "a"_cp932), S({"D:\\"_cp932, kJuu, "\\a"_cp932}));
    EXPECT_EQ(InFolder("C:\\"_cp932, "Other.dll"_cp932), "C:\\Other.dll"_cp932);
    EXPECT_EQ(InFolder("C:\\Savers\\"_cp932, "Other.dll"_cp932), "C:\\Savers\\Other.dll"_cp932);
    EXPECT_EQ(InFolder(""_cp932, "Other.dll"_cp932), "\\Other.dll"_cp932);
    EXPECT_EQ(InFolder("\\\\server\\share\\a b"_cp932, "other.ini"_cp932),
              "\\\\server\\share\\a b\\other.ini"_cp932);
}

TEST(WidePaths, FolderAndFileRulesHoldOneUnitACharacter) {
    EXPECT_EQ(FolderOf(L"C:\\\u8868\u0451\\Other.scr"), L"C:\\\u8868\u0451");
    EXPECT_EQ(FolderOf(L"C:\\Other.scr"), L"C:\\");
    EXPECT_EQ(InFolder(L"C:\\", L"Other.dll"), L"C:\\Other.dll");
    EXPECT_EQ(InFolder(u"Z:\\a b", u"other.ini"), u"Z:\\a b\\other.ini");
}

TEST(Cp932Text, OneTrailingSeparatorIsDropped) {
    const Cp932String in_daihyou = S({"C:\\"_cp932, kDai, kOmote});
    EXPECT_EQ(WithoutTrailingSeparator(in_daihyou), in_daihyou);
    EXPECT_EQ(WithoutTrailingSeparator(in_daihyou + "\\"_cp932), in_daihyou);
    EXPECT_EQ(WithoutTrailingSeparator("C:\\a\\\\"_cp932), "C:\\a\\"_cp932);
    EXPECT_EQ(WithoutTrailingSeparator(""_cp932), ""_cp932);
}

}  // namespace
}  // namespace velmora::text
