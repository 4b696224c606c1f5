// Showing and reading the track to repeat.
#include <gtest/gtest.h>

#include "tests/support/encoded_text_printing.h"

#include "settings_dialog/core/track_text.h"

namespace velmora::settings_dialog {
namespace {

using namespace text::literals;

TEST(TrackText, ZeroShowsAsAnEmptyText) {
    EXPECT_EQ(TrackText(0), ""_cp932);
    EXPECT_EQ(TrackText(7), "7"_cp932);
    EXPECT_EQ(TrackText(45), "45"_cp932);
    EXPECT_EQ(TrackText(-3), "-3"_cp932);
}

TEST(TrackText, ListOffersNoneAndOneToThirty) {
    const std::vector<text::Cp932String> entries = TrackListEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries[0], ""_cp932);
    EXPECT_EQ(entries[1], "1"_cp932);
    EXPECT_EQ(entries[30], "30"_cp932);
}

TEST(TrackText, NumbersRoundHalvesToEven) {
    EXPECT_EQ(RepeatTrackFromText("7"_cp932), 7);
    EXPECT_EQ(RepeatTrackFromText("2.5"_cp932), 2);
    EXPECT_EQ(RepeatTrackFromText("3.5"_cp932), 4);
    EXPECT_EQ(RepeatTrackFromText("-0.5"_cp932), 0);
    EXPECT_EQ(RepeatTrackFromText("45"_cp932), 45);  // beyond the list, still kept
    EXPECT_EQ(RepeatTrackFromText(" 12 "_cp932), 12);
    EXPECT_EQ(RepeatTrackFromText("-4"_cp932), -4);
}

TEST(TrackText, FullWidthDigitsOfAnInputMethodReadAsDigits) {
    // ７, １２ and ０ to ９ in code page 932.
    EXPECT_EQ(RepeatTrackFromText("\x82\x56"_cp932), 7);
    EXPECT_EQ(RepeatTrackFromText("\x82\x50\x82\x51"_cp932), 12);
    EXPECT_EQ(RepeatTrackFromText(" 1\x82\x54 "_cp932), 15);
    EXPECT_EQ(RepeatTrackFromText("\x82\x4F\x82\x58"_cp932), 9);
}

TEST(TrackText, AnythingElseIsZero) {
    EXPECT_EQ(RepeatTrackFromText(""_cp932), 0);
    EXPECT_EQ(RepeatTrackFromText("abc"_cp932), 0);
    EXPECT_EQ(RepeatTrackFromText("7a"_cp932), 0);
    EXPECT_EQ(RepeatTrackFromText("  "_cp932), 0);
}

TEST(TrackText, NumbersOutsideSixteenBitsAreZero) {
    EXPECT_EQ(RepeatTrackFromText("32767"_cp932), 32767);
    EXPECT_EQ(RepeatTrackFromText("32767.4"_cp932), 32767);
    EXPECT_EQ(RepeatTrackFromText("32767.5"_cp932), 0);
    EXPECT_EQ(RepeatTrackFromText("-32768"_cp932), -32768);
    EXPECT_EQ(RepeatTrackFromText("-32769"_cp932), 0);
    EXPECT_EQ(RepeatTrackFromText("1e300"_cp932), 0);
}

}  // namespace
}  // namespace velmora::settings_dialog
