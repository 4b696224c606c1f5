#include "settings/core/ini_text.h"

#include <gtest/gtest.h>

namespace velmora::settings {
namespace {

constexpr char kKindKey[] = "BGM\x8B\xE6\x95\xAA";  // BGM区分
constexpr char kFileKey[] = "BGM\xCC\xA7\xB2\xD9";  // BGMﾌｧｲﾙ

TEST(IniText, ReadsTheWayTheProfileFunctionsDo) {
    const std::string file = std::string("; made by hand\n[Other]\r\n") + kKindKey +
                             "=9\r\n[section]\r\n  bgm\x8B\xE6\x95\xAA = 2 \t\r\n" + kFileKey +
                             "=\"C:\\a b\\\x95\x5C.mp3\"\r\n" + kKindKey + "=7\r\n";
    EXPECT_EQ(ReadIniValue(file, "Section", kKindKey), "2");  // the first one counts
    EXPECT_EQ(ReadIniValue(file, "SECTION", kFileKey), "C:\\a b\\\x95\x5C.mp3");
    EXPECT_EQ(ReadIniValue(file, "Section", "BGM"), "");
    EXPECT_EQ(ReadIniValue(file, "Missing", kKindKey), "");
    EXPECT_EQ(ReadIniValue("", "Section", kKindKey), "");
    // A second byte is never folded: ピ (83 73) is not ヂ... (83 53).
    EXPECT_EQ(ReadIniValue("[S]\nK\x83\x73=1\n", "S", "K\x83\x53"), "");
}

TEST(IniText, LongValuesAreCutBetweenCharacters) {
    const std::string value = std::string(254, 'a') + "\x95\x5C" + "bc";
    const std::string read = ReadIniValue("[S]\nK=" + value + "\n", "S", "K");
    EXPECT_EQ(read, std::string(254, 'a'));
    EXPECT_EQ(ReadIniValue("[S]\nK=" + std::string(300, 'x'), "S", "K").size(), kIniValueLimit);
}

TEST(IniText, WritesOnlyTheKeysItSets) {
    const std::string before =
        std::string("[Other]\nX=1\n\n[Section]\r\n") + kKindKey + "=0\r\n; note\r\n\r\n[Last]\nY=2";
    const std::string after =
        WithIniValues(before, "section", {{kKindKey, "2"}, {kFileKey, "C:\\\x95\x5C.wav"}});
    EXPECT_EQ(after, std::string("[Other]\nX=1\n\n[Section]\r\n") + kKindKey + "=2\r\n; note\r\n" +
                         kFileKey + "=C:\\\x95\x5C.wav\r\n\r\n[Last]\nY=2");
    EXPECT_EQ(ReadIniValue(after, "Section", kFileKey), "C:\\\x95\x5C.wav");

    EXPECT_EQ(WithIniValues("", "Section", {{kKindKey, "1"}, {"K", ""}}),
              std::string("[Section]\r\n") + kKindKey + "=1\r\nK=\r\n");
    EXPECT_EQ(WithIniValues("[Last]\nY=2", "Section", {{"K", "v"}}),
              "[Last]\nY=2\r\n[Section]\r\nK=v\r\n");
    EXPECT_EQ(WithIniValues("[Section]", "Section", {{"K", "v"}}), "[Section]\r\nK=v\r\n");
}

}  // namespace
}  // namespace velmora::settings
