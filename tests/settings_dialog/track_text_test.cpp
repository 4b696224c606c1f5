// Showing and reading the track to repeat.
#include <gtest/gtest.h>

#include "settings_dialog/core/track_text.h"

namespace velmora::settings_dialog {
namespace {

TEST(TrackText, ZeroShowsAsAnEmptyText) {
    EXPECT_EQ(TrackText(0), "");
    EXPECT_EQ(TrackText(7), "7");
    EXPECT_EQ(TrackText(45), "45");
    EXPECT_EQ(TrackText(-3), "-3");
}

TEST(TrackText, ListOffersNoneAndOneToThirty) {
    const std::vector<std::string> entries = TrackListEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries[0], "");
    EXPECT_EQ(entries[1], "1");
    EXPECT_EQ(entries[30], "30");
}

TEST(TrackText, NumbersRoundHalvesToEven) {
    EXPECT_EQ(RepeatTrackFromText("7"), 7);
    EXPECT_EQ(RepeatTrackFromText("2.5"), 2);
    EXPECT_EQ(RepeatTrackFromText("3.5"), 4);
    EXPECT_EQ(RepeatTrackFromText("-0.5"), 0);
    EXPECT_EQ(RepeatTrackFromText("45"), 45);  // beyond the list, still kept
    EXPECT_EQ(RepeatTrackFromText(" 12 "), 12);
    EXPECT_EQ(RepeatTrackFromText("-4"), -4);
}

TEST(TrackText, FullWidthDigitsOfAnInputMethodReadAsDigits) {
    // ７, １２ and ０ to ９ in code page 932.
    EXPECT_EQ(RepeatTrackFromText("\x82\x56"), 7);
    EXPECT_EQ(RepeatTrackFromText("\x82\x50\x82\x51"), 12);
    EXPECT_EQ(RepeatTrackFromText(" 1\x82\x54 "), 15);
    EXPECT_EQ(RepeatTrackFromText("\x82\x4F\x82\x58"), 9);
}

TEST(TrackText, AnythingElseIsZero) {
    EXPECT_EQ(RepeatTrackFromText(""), 0);
    EXPECT_EQ(RepeatTrackFromText("abc"), 0);
    EXPECT_EQ(RepeatTrackFromText("7a"), 0);
    EXPECT_EQ(RepeatTrackFromText("  "), 0);
}

TEST(TrackText, NumbersOutsideSixteenBitsAreZero) {
    EXPECT_EQ(RepeatTrackFromText("32767"), 32767);
    EXPECT_EQ(RepeatTrackFromText("32767.4"), 32767);
    EXPECT_EQ(RepeatTrackFromText("32767.5"), 0);
    EXPECT_EQ(RepeatTrackFromText("-32768"), -32768);
    EXPECT_EQ(RepeatTrackFromText("-32769"), 0);
    EXPECT_EQ(RepeatTrackFromText("1e300"), 0);
}

}  // namespace
}  // namespace velmora::settings_dialog
