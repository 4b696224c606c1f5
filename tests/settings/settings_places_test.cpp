#include "settings/core/settings_places.h"

#include <gtest/gtest.h>

#include "tests/support/fake_settings_files.h"

namespace velmora::settings {
namespace {

using FakeFiles = testing::FakeSettingsFiles;

// C:\Café\ソフト表, a folder code page 932 cannot name, and a user's folder.
const SettingsPlaces kPlaces =
    PlacesFor(u"C:\\Caf\u00E9\\\u30BD\u30D5\u30C8\u8868", u"C:\\Users\\u\\AppData\\Roaming");
const std::vector<IniEntry> kEntries = {{"K", "2"}};

std::string Message(const std::string& path) {
    return std::string(kSaveFailedMessage) + "\n" + path;
}

// The path as the message can show it: "?" where code page 932 has no character.
const std::string kShownBeside = "C:\\Caf?\\\x83\x5C\x83\x74\x83\x67\x95\x5C\\Velmora.ini";

TEST(SettingsPlaces, BesideTheProgramAndInTheUsersFolder) {
    EXPECT_EQ(kPlaces.beside_program, u"C:\\Caf\u00E9\\\u30BD\u30D5\u30C8\u8868\\Velmora.ini");
    EXPECT_EQ(kPlaces.user_folder, u"C:\\Users\\u\\AppData\\Roaming\\Velmora");
    EXPECT_EQ(kPlaces.per_user, u"C:\\Users\\u\\AppData\\Roaming\\Velmora\\Velmora.ini");
    EXPECT_EQ(PlacesFor(u"C:\\", u"").beside_program, u"C:\\Velmora.ini");
    EXPECT_EQ(PlacesFor(u"C:\\", u"").per_user, u"");
}

TEST(SettingsPlaces, TheNewerFileIsRead) {
    FakeFiles files;
    EXPECT_EQ(ReadSettingsFile(files, kPlaces), "");
    files.Put(kPlaces.per_user, "user");
    EXPECT_EQ(ReadSettingsFile(files, kPlaces), "user");
    files.Put(kPlaces.beside_program, "beside");
    EXPECT_EQ(ReadSettingsFile(files, kPlaces), "beside");
    files.Put(kPlaces.per_user, "user again");
    EXPECT_EQ(ReadSettingsFile(files, kPlaces), "user again");
    files.unreadable.insert(kPlaces.per_user);
    EXPECT_EQ(ReadSettingsFile(files, kPlaces), "beside");
}

TEST(SettingsPlaces, SavesBesideTheProgramWhenItsFolderTakesANewFile) {
    FakeFiles files;
    files.Put(kPlaces.beside_program, "[Keep]\nA=1\n");
    // An older choice in the user's file, which cannot even be read now.
    files.Put(kPlaces.per_user, "[Section]\r\nK=1\r\n");
    files.unreadable.insert(kPlaces.per_user);
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", kEntries), std::nullopt);
    EXPECT_EQ(files.Bytes(kPlaces.beside_program), "[Keep]\nA=1\n[Section]\r\nK=2\r\n");
    files.unreadable.clear();
    EXPECT_EQ(ReadIniValue(ReadSettingsFile(files, kPlaces), "Section", "K", files), "2");
}

TEST(SettingsPlaces, AFolderThatTakesNoFileSendsTheSaveToTheUsersFile) {
    FakeFiles files;
    files.Put(kPlaces.beside_program, "[Section]\r\nK=1\r\n");
    files.refused.insert(kPlaces.program_folder);
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", kEntries), std::nullopt);
    EXPECT_EQ(files.folders.count(kPlaces.user_folder), 1u);
    EXPECT_EQ(files.Bytes(kPlaces.per_user), "[Section]\r\nK=2\r\n");
    EXPECT_EQ(ReadIniValue(ReadSettingsFile(files, kPlaces), "Section", "K", files), "2");

    files.refused.insert(kPlaces.user_folder);
    files.files.erase(kPlaces.per_user);
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", kEntries),
              Message(kShownBeside + "\nC:\\Users\\u\\AppData\\Roaming\\Velmora\\Velmora.ini"));
}

TEST(SettingsPlaces, AHeldFileIsTriedForTwoSecondsThenReported) {
    FakeFiles files;
    files.Put(kPlaces.beside_program, "[Section]\r\nK=1\r\n");
    files.held_for[kPlaces.beside_program] = 1500;
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", kEntries), std::nullopt);
    EXPECT_EQ(files.waited, 1500);
    EXPECT_EQ(files.Bytes(kPlaces.beside_program), "[Section]\r\nK=2\r\n");

    files.waited = 0;
    files.held_for[kPlaces.beside_program] = 60000;
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", {{"K", "3"}}), Message(kShownBeside));
    EXPECT_EQ(files.waited, kHeldFileRetryMilliseconds);
    EXPECT_EQ(files.Bytes(kPlaces.beside_program), "[Section]\r\nK=2\r\n");
    EXPECT_FALSE(files.files.count(kPlaces.per_user));  // the choice is not moved elsewhere

    files.held_for.clear();
    files.refused.insert(kPlaces.beside_program);  // read-only: reported at once
    files.waited = 0;
    EXPECT_EQ(SaveSettingsValues(files, kPlaces, "Section", kEntries), Message(kShownBeside));
    EXPECT_EQ(files.waited, 0);
}

TEST(SettingsPlaces, ASaveCountsOnlyWhenTheFileReadsBack) {
    FakeFiles files;
    files.writes_lost.insert(kPlaces.beside_program);
    EXPECT_NE(SaveSettingsValues(files, kPlaces, "Section", kEntries), std::nullopt);
    files.writes_lost.clear();
    // A value no line of the file can hold.
    EXPECT_NE(SaveSettingsValues(files, kPlaces, "Section", {{"K", "a\r\nb"}}), std::nullopt);

    files.Put(kPlaces.beside_program, "x");
    files.unreadable.insert(kPlaces.beside_program);
    EXPECT_NE(SaveSettingsValues(files, kPlaces, "Section", kEntries), std::nullopt);
    EXPECT_EQ(files.files[kPlaces.beside_program].bytes, "x");  // its other lines are not lost
}

}  // namespace
}  // namespace velmora::settings
