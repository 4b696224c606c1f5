// The chosen path on the file-name label's one line.
#include <gtest/gtest.h>

#include "settings_dialog/core/file_name_caption.h"

namespace velmora::settings_dialog {
namespace {

// One pixel a byte: a double-byte character is two wide, as in the label's font.
int ByteWidth(std::string_view text) {
    return static_cast<int>(text.size());
}

std::string Caption(std::string_view path, int width) {
    return FileNameCaption(path, width, ByteWidth);
}

TEST(FileNameCaption, APathThatFitsIsShownWhole) {
    EXPECT_EQ(Caption("C:\\Music\\song.mp3", 18), "C:\\Music\\song.mp3");
    EXPECT_EQ(Caption("", 0), "");
}

TEST(FileNameCaption, TheMiddleGivesWayAndTheFileNameStaysWhole) {
    const char path[] = "C:\\Music\\Artist\\Album\\song.mp3";
    EXPECT_EQ(Caption(path, 20), "C:\\Music...\\song.mp3");
    EXPECT_EQ(Caption(path, 13), "C...\\song.mp3");
    // Nothing of the front fits: the file name is still kept whole.
    EXPECT_EQ(Caption(path, 5), "...\\song.mp3");
    // Without a folder there is nothing to give way.
    EXPECT_EQ(Caption("long file name.wav", 5), "long file name.wav");
}

TEST(FileNameCaption, DoubleByteCharactersAreNeverSplitNorTakenForSeparators) {
    // 表 is 95 5C: its second byte looks like "\".
    EXPECT_EQ(Caption("C:\\dir\\\x95\x5C.wav", 11), "C...\\\x95\x5C.wav");
    // Four bytes of the front would end inside the first 表.
    EXPECT_EQ(Caption("C:\\\x95\x5C\x95\x5C\x95\x5C\\x.wav", 13), "C:\\...\\x.wav");
}

}  // namespace
}  // namespace velmora::settings_dialog
