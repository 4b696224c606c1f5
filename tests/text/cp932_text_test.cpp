#include "text/core/cp932_text.h"

#include <gtest/gtest.h>

namespace velmora::text {
namespace {

// Characters whose second byte is "\" or an ASCII letter.
constexpr char kOmote[] = "\x95\x5C";  // 表
constexpr char kSo[] = "\x83\x5C";     // ソ
constexpr char kJuu[] = "\x8F\x5C";    // 十
constexpr char kNou[] = "\x94\x5C";    // 能
constexpr char kPi[] = "\x83\x73";     // ピ (s)
constexpr char kPa[] = "\x83\x70";     // パ (p)
constexpr char kTsu[] = "\x83\x63";    // ツ (c)
constexpr char kShuu[] = "\x8F\x57";   // 集 (W)
constexpr char kDai[] = "\x91\xE3";    // 代

std::string S(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        text += part;
    }
    return text;
}

TEST(Cp932Text, PositionsCountCharactersNotBytes) {
    for (const char* letter : {kPi, kPa, kTsu}) {
        EXPECT_EQ(CharacterAt(letter, 1), letter);
        EXPECT_EQ(CharacterAt(letter, 2), "");
    }
    EXPECT_EQ(CharacterAt(S({"/", kPi}), 2), kPi);
    EXPECT_EQ(CharacterAt("/s", 2), "s");
    EXPECT_EQ(CharacterAt("/s", 0), "");
    EXPECT_EQ(FromCharacter(S({kPa, kPa, "/1234"}), 4), "1234");
    EXPECT_EQ(FromCharacter("/p 1234", 4), "1234");
    // Half-width katakana are one byte; a lead byte at the end stands alone.
    EXPECT_EQ(CharacterAt("\xCC\xA7", 2), "\xA7");
    EXPECT_EQ(CharacterAt("a\x95", 2), "\x95");
}

TEST(Cp932Text, UpperCasesAsciiLettersOnly) {
    EXPECT_EQ(UpperAscii(S({"/s", kPi, kPa, kTsu, "\xCC"})), S({"/S", kPi, kPa, kTsu, "\xCC"}));
    EXPECT_EQ(FileTypeEnding("theme.mp3"), "MP3");
    EXPECT_EQ(FileTypeEnding("a.Wav"), "WAV");
    EXPECT_EQ(FileTypeEnding(S({"x", kShuu, "AV"})), S({kShuu, "AV"}));
    EXPECT_EQ(FileTypeEnding("av"), "AV");
}

TEST(Cp932Text, FolderOfStopsAtRealSeparators) {
    EXPECT_EQ(FolderOf(S({"C:\\", kSo, "\x83\x74\x83\x67", kOmote, "\\Velmora.scr"})),
              S({"C:\\", kSo, "\x83\x74\x83\x67", kOmote}));
    EXPECT_EQ(FolderOf(S({"C:\\Savers\\", kOmote, ".scr"})), "C:\\Savers");
    EXPECT_EQ(FolderOf(S({"C:\\", kOmote, ".scr"})), "C:\\");
    EXPECT_EQ(FolderOf("c:/a/b.scr"), "c:/a");
    EXPECT_EQ(FolderOf("Z:\\tmp\\a b\\Velmora.scr"), "Z:\\tmp\\a b");
    EXPECT_EQ(FolderOf("Velmora.scr"), "");
    EXPECT_EQ(FolderOf("\\\\server\\share\\Velmora.scr"), "\\\\server\\share");
    EXPECT_EQ(FolderOf(S({kJuu, kNou, ".scr"})), "");
}

TEST(Cp932Text, InFolderAddsOneSeparatorByCharacter) {
    const std::string folder = S({"C:\\", kSo, "\x83\x74\x83\x67", kOmote});
    EXPECT_EQ(InFolder(folder, "Velmora.dll"), folder + "\\Velmora.dll");
    EXPECT_EQ(InFolder(S({"D:\\", kJuu}), "a"), S({"D:\\", kJuu, "\\a"}));
    EXPECT_EQ(InFolder("C:\\", "Velmora.dll"), "C:\\Velmora.dll");
    EXPECT_EQ(InFolder("C:\\Savers\\", "Velmora.dll"), "C:\\Savers\\Velmora.dll");
    EXPECT_EQ(InFolder("", "Velmora.dll"), "\\Velmora.dll");
    EXPECT_EQ(InFolder("\\\\server\\share\\a b", "Velmora.ini"),
              "\\\\server\\share\\a b\\Velmora.ini");
}

TEST(WidePaths, FolderAndFileRulesHoldOneUnitACharacter) {
    EXPECT_EQ(FolderOf(L"C:\\\u8868\u0451\\Velmora.scr"), L"C:\\\u8868\u0451");
    EXPECT_EQ(FolderOf(L"C:\\Velmora.scr"), L"C:\\");
    EXPECT_EQ(InFolder(L"C:\\", L"Velmora.dll"), L"C:\\Velmora.dll");
    EXPECT_EQ(InFolder(u"Z:\\a b", u"Velmora.ini"), u"Z:\\a b\\Velmora.ini");
}

TEST(Cp932Text, OneTrailingSeparatorIsDropped) {
    const std::string in_daihyou = S({"C:\\", kDai, kOmote});
    EXPECT_EQ(WithoutTrailingSeparator(in_daihyou), in_daihyou);
    EXPECT_EQ(WithoutTrailingSeparator(in_daihyou + "\\"), in_daihyou);
    EXPECT_EQ(WithoutTrailingSeparator("C:\\a\\\\"), "C:\\a\\");
    EXPECT_EQ(WithoutTrailingSeparator(""), "");
}

}  // namespace
}  // namespace velmora::text
