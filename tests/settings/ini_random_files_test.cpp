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

TEST(IniRandomFiles, WrittenValuesReadBackAndTheOthersStay) {
    testing::FakeSettingsFiles codec;
    testing::IniPieces pieces(7);
    for (int i = 0; i < 3000; ++i) {
        const std::string file = pieces.File();
        const std::string section = pieces.Pick(testing::kAskedSections);
        const std::string key = pieces.Pick(testing::kAskedKeys);
        const std::string value = pieces.Value();
        const std::string written = WithIniValues(file, section, {{key, value}}, codec);
        ASSERT_EQ(ReadIniValue(written, section, key, codec), value) << file;
        for (const std::string& other_section : testing::kAskedSections) {
            for (const std::string& other_key : testing::kAskedKeys) {
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
        const std::string written = WithIniValues(file, "S", {{"K", "v"}}, codec);
        EXPECT_EQ(ReadIniValue(written, "S", "K", codec), "v") << file;
    }
}

}  // namespace
}  // namespace velmora::settings
