#include "settings/core/ini_text.h"

#include <gtest/gtest.h>

#include "tests/support/fake_settings_files.h"

namespace velmora::settings {
namespace {

constexpr char kKindKey[] = "BGM\x8B\xE6\x95\xAA";  // BGM区分
constexpr char kFileKey[] = "BGM\xCC\xA7\xB2\xD9";  // BGMﾌｧｲﾙ

class IniText : public ::testing::Test {
  protected:
    // Keys, values and files all written here as code page 932 bytes.
    using Bytes = std::string_view;
    std::string Read(Bytes file, Bytes section, Bytes key) {
        return ReadIniValue(file, text::Cp932View(section), text::Cp932View(key), codec).Bytes();
    }
    std::string With(Bytes file, std::initializer_list<std::pair<Bytes, Bytes>> pairs) {
        std::vector<IniEntry> entries;
        for (const auto& [key, value] : pairs) {
            entries.push_back({text::Cp932View(key), text::Cp932View(value)});
        }
        return WithIniValues(file, text::Cp932View("Section"), entries, codec);
    }
    std::string Utf16File(Bytes cp932) {
        return "\xFF\xFE" + testing::Utf16Bytes(codec.FromCp932(text::Cp932View(cp932)));
    }
    testing::FakeSettingsFiles codec;
};

TEST_F(IniText, ReadsTheWayTheProfileFunctionsDo) {
    const std::string file = std::string("; made by hand\n[Other]\r\n") + kKindKey +
                             "=9\r\n[section]\r\n  bgm\x8B\xE6\x95\xAA = 2 \v\f\r\n" + kFileKey +
                             "=\"C:\\a b\\\x95\x5C.mp3\"\r\n" + kKindKey + "=7\r\n";
    EXPECT_EQ(Read(file, "Section", kKindKey), "2");  // the first one counts
    EXPECT_EQ(Read(file, "SECTION", kFileKey), "C:\\a b\\\x95\x5C.mp3");
    EXPECT_EQ(Read(file, "Section", "BGM"), "");
    EXPECT_EQ(Read(file, "Missing", kKindKey), "");
    EXPECT_EQ(Read("", "Section", kKindKey), "");
    // A second byte is never folded: ピ (83 73) is not ヂ... (83 53).
    EXPECT_EQ(Read("[S]\nK\x83\x73=1\n", "S", "K\x83\x53"), "");
}

TEST_F(IniText, DamagedLinesReadAsThePlatformReadsThem) {
    // A "[" line without "]" is no header: the keys after it stay in [S].
    EXPECT_EQ(Read("[S]\n[T\nK=1\n", "S", "K"), "1");
    // A header ends at its last "]"; 曲 (8B 5D) holds no "]".
    EXPECT_EQ(Read("[a]b]\nK=1\n", "a]b", "K"), "1");
    EXPECT_EQ(Read("[a\x8B\x5D\nK=1\n[a\x8B\x5D]\nK=2\n", "a\x8B\x5D", "K"), "2");
    // A key line without "=" is the key, without a value.
    EXPECT_EQ(Read("[S]\nK\nK=1\n", "S", "K"), "");
    // A NUL ends a value, and a name.
    EXPECT_EQ(Read(std::string("[S]\nK=1\0002\n", 10), "S", "K"), "1");
    EXPECT_EQ(Read(std::string("[S]\nK\0x=3\n", 10), "S", "K"), "3");
    // A lead byte takes the line break after it along.
    EXPECT_EQ(Read("[S]\nJ=\x95\nK=1\n", "S", "K"), "");
    // Only the first section of a name is looked in.
    EXPECT_EQ(Read("[S]\nA=1\n[s]\nK=2\n", "S", "K"), "");
}

TEST_F(IniText, LongValuesComeBackWhole) {
    const std::string value = std::string(300, 'a') + "\x95\x5C" + "bc";
    EXPECT_EQ(Read("[S]\nK=" + value + "\n", "S", "K"), value);
}

TEST_F(IniText, WritesOnlyTheKeysItSets) {
    const std::string before =
        std::string("[Other]\nX=1\n\n[Section]\r\n") + kKindKey + "=0\r\n; note\r\n\r\n[Last]\nY=2";
    const std::string after = With(before, {{kKindKey, "2"}, {kFileKey, "C:\\\x95\x5C.wav"}});
    EXPECT_EQ(after, std::string("[Other]\nX=1\n\n[Section]\r\n") + kKindKey + "=2\r\n; note\r\n" +
                         kFileKey + "=C:\\\x95\x5C.wav\r\n\r\n[Last]\nY=2");

    EXPECT_EQ(With("", {{kKindKey, "1"}, {"K", ""}}),
              std::string("[Section]\r\n") + kKindKey + "=1\r\nK=\r\n");
    EXPECT_EQ(With("[Last]\nY=2", {{"K", "v"}}), "[Last]\nY=2\r\n[Section]\r\nK=v\r\n");
    // The line break a lead byte takes along is none.
    EXPECT_EQ(With("[Last]\nY=\x95\n", {{"K", "v"}}), "[Last]\nY=\x95\n\r\n[Section]\r\nK=v\r\n");
    // The key the reader finds is the one rewritten.
    EXPECT_EQ(With("[Section]\nK\nK=1\n", {{"K", "2"}}), "[Section]\nK=2\nK=1\n");
}

TEST_F(IniText, ValuesTheReaderWouldChangeAreQuoted) {
    for (const std::string value : {" a", "a\t", "'a'", "\"\"", "\"a\x95\"", "\"", "a\"b"}) {
        const std::string file = With("[Section]\nK=old\n", {{"K", value}});
        EXPECT_EQ(Read(file, "Section", "K"), value) << file;
    }
    EXPECT_EQ(With("", {{"K", "'a'"}}), "[Section]\r\nK=\"'a'\"\r\n");
}

TEST_F(IniText, Utf16FilesAreReadAndKeptAsUtf16) {
    const std::string file = Utf16File(std::string("[Section]\r\n") + kKindKey + "=1\r\n");
    EXPECT_EQ(EncodingOf(file), IniEncoding::Utf16);
    EXPECT_EQ(Read(file, "Section", kKindKey), "1");
    const std::string path = "C:\\\x89\xB9\x8A\x79\\" + std::string(200, 'x') + ".mp3";
    const std::string saved = With(file, {{kKindKey, "2"}, {kFileKey, path}});
    EXPECT_EQ(saved, Utf16File(std::string("[Section]\r\n") + kKindKey + "=2\r\n" + kFileKey + "=" +
                               path + "\r\n"));
    EXPECT_EQ(Read(saved, "Section", kFileKey), path);

    const std::string utf8 = "\xEF\xBB\xBF[Section]\r\nK=\xE9\x9F\xB3\r\n";  // 音 in UTF-8
    EXPECT_EQ(Read(utf8, "Section", "K"), "\x89\xB9");
    EXPECT_EQ(With(utf8, {{"K", "\x8A\x79"}}), "\xEF\xBB\xBF[Section]\r\nK=\xE6\xA5\xBD\r\n");
}

}  // namespace
}  // namespace velmora::settings
