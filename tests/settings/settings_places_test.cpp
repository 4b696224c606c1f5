#include "settings/core/settings_places.h"

#include <gtest/gtest.h>

#include <string>

#include "contract/run_contract.h"
#include "tests/support/fake_settings_files.h"
#include "text/core/ascii_text.h"

namespace velmora::settings {
namespace {

using namespace text::literals;

using FakeFiles = testing::FakeSettingsFiles;

// C:\Café\ソフト表, a folder code page 932 cannot name, and a user's folder.
const SettingsPlaces kPlaces =
    PlacesFor(u"C:\\Caf\u00E9\\\u30BD\u30D5\u30C8\u8868", u"C:\\Users\\u\\AppData\\Roaming");
const std::vector<IniEntry> kEntries = {{"K"_cp932, "2"_cp932}};

const std::string kFile = contract::kSettingsFileName;
const std::u16string kFile16 = text::AsciiWidened<char16_t>(contract::kSettingsFileName);
const std::u16string kFolder16 = text::AsciiWidened<char16_t>(contract::kPerUserSettingsFolder);

// The path as a message can show it: "?" where code page 932 has no character.
const text::Cp932String kShownBeside{"C:\\Caf?\\\x83\x5C\x83\x74\x83\x67\x95\x5C\\" + kFile};
const text::Cp932String kShownPerUser{"C:\\Users\\u\\AppData\\Roaming\\" +
                                      std::string(contract::kPerUserSettingsFolder) + "\\" + kFile};

TEST(SettingsPlaces, BesideTheProgramAndInTheUsersFolder) {
    EXPECT_EQ(kPlaces.file_beside_program, u"C:\\Caf\u00E9\\\u30BD\u30D5\u30C8\u8868\\" + kFile16);
    EXPECT_EQ(kPlaces.per_user_folder, u"C:\\Users\\u\\AppData\\Roaming\\" + kFolder16);
    EXPECT_EQ(kPlaces.per_user_file, kPlaces.per_user_folder + u"\\" + kFile16);
    EXPECT_EQ(PlacesFor(u"C:\\", u"").file_beside_program, u"C:\\" + kFile16);
    EXPECT_EQ(PlacesFor(u"C:\\", u"").per_user_file, u"");
}

TEST(SettingsPlaces, AHeldFileIsTriedForTwoSecondsARefusalNot) {
    FakeFiles files;
    files.Put(kPlaces.file_beside_program, "[Section]\r\nK=1\r\n");
    files.HoldFor(kPlaces.file_beside_program, 1500);
    EXPECT_EQ(SaveSettingsValues(files.Ports(), kPlaces, kSection, kEntries), std::nullopt);
    EXPECT_EQ(files.waited, 1500);

    files.HoldFor(kPlaces.file_beside_program, 60000);
    files.waited = 0;
    EXPECT_EQ(ReadSettingsFile(files.Ports(), kPlaces).unreadable,
              std::vector<std::u16string>{kPlaces.file_beside_program});
    EXPECT_EQ(files.waited, kHeldFileRetryMilliseconds);
    EXPECT_EQ(UnreadableFilesMessage(files, {kPlaces.file_beside_program}),
              kLoadFailedMessage + "\n"_cp932 + kShownBeside);
    EXPECT_EQ(SaveSettingsValues(files.Ports(), kPlaces, kSection, {{"K"_cp932, "3"_cp932}}),
              kSaveFailedMessage + "\n"_cp932 + kShownBeside);
    EXPECT_FALSE(files.files.count(kPlaces.per_user_file));  // the choice is not moved elsewhere

    files.held_until.clear();
    files.refused = {kPlaces.file_beside_program, kPlaces.per_user_folder};
    files.waited = 0;
    EXPECT_EQ(SaveSettingsValues(files.Ports(), kPlaces, kSection, kEntries),
              kSaveFailedMessage + "\n"_cp932 + kShownBeside + "\n"_cp932 + kShownPerUser);
    EXPECT_EQ(files.waited, 0);
}

}  // namespace
}  // namespace velmora::settings
