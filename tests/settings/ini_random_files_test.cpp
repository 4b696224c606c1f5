// The reader and writer on generated and random files: nothing crashes or
// reads out of bounds (the sanitizers watch), every written value reads
// back, and the keys not written read as before.
#include <gtest/gtest.h>

#include <random>

#include "settings/core/ini_text.h"
#include "tests/settings/support/ini_pieces.h"
#include "tests/support/fake_settings_files.h"

namespace velmora::settings {
namespace {

using namespace text::literals;

TEST(IniRandomFiles, WrittenValuesReadBackAndTheOthersStay) {
    testing::FakeSettingsFiles codec;
    testing::IniPieces pieces(7);
    for (int i = 0; i < 3000; ++i) {
        const std::string file = pieces.File();
        const text::Cp932String section(pieces.Pick(testing::kAskedSections));
        const text::Cp932String key(pieces.Pick(testing::kAskedKeys));
        const text::Cp932String value(pieces.Value());
        const std::string written = WithIniValues(file, section, {{key, value}}, codec);
        ASSERT_EQ(ReadIniValue(written, section, key, codec), value) << file;
        for (const std::string& other_section_bytes : testing::kAskedSections) {
            for (const std::string& other_key_bytes : testing::kAskedKeys) {
                const text::Cp932View other_section(other_section_bytes);
                const text::Cp932View other_key(other_key_bytes);
                if (other_section != section || other_key != key) {
                    ASSERT_EQ(ReadIniValue(written, other_section, other_key, codec),
                              ReadIniValue(file, other_section, other_key, codec))
                        << file;
                }
            }
        }
    }
}

TEST(IniRandomFiles, AnyBytesAreReadAndWritten) {
    testing::FakeSettingsFiles codec;
    std::mt19937 random(11);
    const std::string alphabet(
        "[]=\r\n \t\v\f\x1A\"'\x95\x5C\x81\xFF\xFE\xEF\xBB\xBF"
        "KS\0",
        23);
    for (int i = 0; i < 3000; ++i) {
        std::string file(std::uniform_int_distribution<int>(0, 200)(random), ' ');
        for (char& c : file) {
            c = alphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    alphabet.size() - 1)(random)];
        }
        const std::string written = WithIniValues(file, "S"_cp932, {{"K"_cp932, "v"_cp932}}, codec);
        EXPECT_EQ(ReadIniValue(written, "S"_cp932, "K"_cp932, codec), "v"_cp932) << file;
    }
}

}  // namespace
}  // namespace velmora::settings
