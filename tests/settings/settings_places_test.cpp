#include "settings/core/settings_places.h"

#include <gtest/gtest.h>

#include "tests/support/fake_settings_files.h"

namespace velmora::settings {
namespace {

using FakeFiles = testing::FakeSettingsFiles;

// C:\ソフト表 and a user's application-data folder.
const SettingsPlaces kPlaces =
    PlacesFor("C:\\\x83\x5C\x83\x74\x83\x67\x95\x5C", "C:\\Users\\u\\AppData\\Roaming");
const std::vector<IniEntry> kEntries = {{"K", "2"}};

TEST(SettingsPlaces, BesideTheProgramAndInTheUsersFolder) {
    EXPECT_EQ(kPlaces.beside_program, "C:\\\x83\x5C\x83\x74\x83\x67\x95\x5C\\Velmora.ini");
    EXPECT_EQ(kPlaces.user_folder, "C:\\Users\\u\\AppData\\Roaming\\Velmora");
    EXPECT_EQ(kPlaces.per_user, "C:\\Users\\u\\AppData\\Roaming\\Velmora\\Velmora.ini");
    EXPECT_EQ(PlacesFor("C:\\", "").per_user, "");
}

TEST(SettingsPlaces, ReadsTheUsersFileFirst) {
    FakeFiles files;
    EXPECT_EQ(ReadSettingsFile(files, kPlaces), "");
    files.files[kPlaces.beside_program] = "beside";
    EXPECT_EQ(ReadSettingsFile(files, kPlaces), "beside");
    files.files[kPlaces.per_user] = "user";
    EXPECT_EQ(ReadSettingsFile(files, kPlaces), "user");
}

TEST(SettingsPlaces, SavesBesideTheProgramWhileItCan) {
    FakeFiles files;
    files.files[kPlaces.beside_program] = "[Keep]\nA=1\n";
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", kEntries), std::nullopt);
    EXPECT_EQ(files.files[kPlaces.beside_program], "[Keep]\nA=1\n[Section]\r\nK=2\r\n");
    EXPECT_EQ(files.files.count(kPlaces.per_user), 0u);
}

TEST(SettingsPlaces, ARefusedFolderMovesTheSettingsToTheUsersFile) {
    FakeFiles files;
    files.files[kPlaces.beside_program] = "[Keep]\nA=1\n";
    files.refused.insert(kPlaces.beside_program);
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", kEntries), std::nullopt);
    EXPECT_EQ(files.folders.count(kPlaces.user_folder), 1u);
    EXPECT_EQ(files.files[kPlaces.per_user], "[Keep]\nA=1\n[Section]\r\nK=2\r\n");
    EXPECT_EQ(files.files[kPlaces.beside_program], "[Keep]\nA=1\n");

    // From then on the user's file is read and written.
    files.refused.clear();
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", {{"K", "0"}}), std::nullopt);
    EXPECT_EQ(ReadIniValue(ReadSettingsFile(files, kPlaces), "Section", "K"), "0");
    EXPECT_EQ(files.files[kPlaces.beside_program], "[Keep]\nA=1\n");
}

TEST(SettingsPlaces, AFailureNamesEveryFileThatCouldNotBeWritten) {
    FakeFiles files;
    files.refused = {kPlaces.beside_program, kPlaces.user_folder};
    EXPECT_EQ(
        SaveSettingsValues(files, kPlaces, "Section", kEntries),
        std::string(kSaveFailedMessage) + "\n" + kPlaces.beside_program + "\n" + kPlaces.per_user);

    files.files[kPlaces.per_user] = "";
    files.refused = {kPlaces.per_user};
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", kEntries),
              std::string(kSaveFailedMessage) + "\n" + kPlaces.per_user);
    EXPECT_EQ(files.files.count(kPlaces.beside_program), 0u);

    const SettingsPlaces no_user = PlacesFor("C:\\Windows\\System32", "");
    files.refused = {no_user.beside_program};
    EXPECT_EQ(SaveSettingsValues(files, no_user, "Section", kEntries),
              std::string(kSaveFailedMessage) + "\n" + no_user.beside_program);
}

}  // namespace
}  // namespace velmora::settings
