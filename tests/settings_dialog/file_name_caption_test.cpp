// The chosen path on the file-name label's one line.
#include <gtest/gtest.h>

#include "tests/support/encoded_text_printing.h"

#include "settings_dialog/core/file_name_caption.h"

namespace velmora::settings_dialog {
namespace {

using namespace text::literals;

// One pixel a byte: a double-byte character is two wide, as in the label's font.
int ByteWidth(text::Cp932View text) {
    return static_cast<int>(text.Size());
}

text::Cp932String Caption(text::Cp932View path, int width) {
    return FileNameCaption(path, width, ByteWidth);
}

TEST(FileNameCaption, APathThatFitsIsShownWhole) {
    EXPECT_EQ(Caption("C:\\Music\\song.mp3"_cp932, 18), "C:\\Music\\song.mp3"_cp932);
    EXPECT_EQ(Caption(""_cp932, 0), ""_cp932);
}

TEST(FileNameCaption, TheMiddleGivesWayAndTheFileNameStaysWhole) {
    const text::Cp932View path = "C:\\Music\\Artist\\Album\\song.mp3"_cp932;
    EXPECT_EQ(Caption(path, 20), "C:\\Music...\\song.mp3"_cp932);
    EXPECT_EQ(Caption(path, 13), "C...\\song.mp3"_cp932);
    // Nothing of the front fits: the file name is still kept whole.
    EXPECT_EQ(Caption(path, 5), "...\\song.mp3"_cp932);
    // Without a folder there is nothing to give way.
    EXPECT_EQ(Caption("long file name.wav"_cp932, 5), "long file name.wav"_cp932);
}

TEST(FileNameCaption, DoubleByteCharactersAreNeverSplitNorTakenForSeparators) {
    // 表 is 95 5C: its second byte looks like "\".
    EXPECT_EQ(Caption("C:\\dir\\\x95\x5C.wav"_cp932, 11), "C...\\\x95\x5C.wav"_cp932);
    // Four bytes of the front would end inside the first 表.
    EXPECT_EQ(Caption("C:\\\x95\x5C\x95\x5C\x95\x5C\\x.wav"_cp932, 13), "C:\\...\\x.wav"_cp932);
}

}  // namespace
}  // namespace velmora::settings_dialog
