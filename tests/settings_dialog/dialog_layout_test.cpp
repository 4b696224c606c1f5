// The dialog's controls, their places in pixels and the dialog's place on the screen.
#include <gtest/gtest.h>

#include "settings_dialog/core/dialog_layout.h"

namespace velmora::settings_dialog {
namespace {

TEST(DialogLayout, PlacesAreFifteenTwipsAPixelAt96DotsPerInch) {
    const Scale at96 = drawing::ScaleForDpi(96, 96);
    EXPECT_TRUE(ToPixels(Place(ControlId::MusicGroup).rect, at96) == (PixelRect{12, 16, 453, 169}));
    EXPECT_TRUE(ToPixels(Place(ControlId::OtherWorksButton).rect, at96) ==
                (PixelRect{192, 200, 125, 25}));
    EXPECT_TRUE(ToPixels(Place(ControlId::FileBox).rect, at96) == (PixelRect{20, 96, 13, 13}));
    EXPECT_TRUE(ToPixels({0, 0, kClientWidth, kClientHeight}, at96) == (PixelRect{0, 0, 479, 252}));
    // 12 twips a pixel at 120 dots per inch.
    const Scale at120 = drawing::ScaleForDpi(120, 120);
    EXPECT_TRUE(ToPixels(Place(ControlId::FileNameLabel).rect, at120) ==
                (PixelRect{85, 145, 446, 36}));
}

TEST(DialogLayout, ChoicesAreIndexedByKindNotByTheirOrderOnScreen) {
    EXPECT_EQ(SelectionBoxOf(0), ControlId::NoneBox);
    EXPECT_EQ(SelectionBoxOf(1), ControlId::CdBox);
    EXPECT_EQ(ChoiceLabelOf(2), ControlId::FileLabel);
    EXPECT_FALSE(SelectionBoxOf(3).has_value());
    EXPECT_FALSE(SelectionBoxOf(-1).has_value());
    EXPECT_EQ(KindOfChoiceControl(ControlId::CdLabel), 1);
    EXPECT_EQ(KindOfChoiceControl(ControlId::FileBox), 2);
    EXPECT_FALSE(KindOfChoiceControl(ControlId::RepeatTrackLabel).has_value());
    // On screen: CD, none, file from top to bottom.
    EXPECT_LT(Place(ControlId::CdBox).rect.y, Place(ControlId::NoneBox).rect.y);
    EXPECT_LT(Place(ControlId::NoneBox).rect.y, Place(ControlId::FileBox).rect.y);
}

TEST(DialogLayout, PressOnABoxOrItsTextChoosesItsKind) {
    const Scale at96 = drawing::ScaleForDpi(96, 96);
    // Img_BGM(1) is 300, 840 twips in the group: pixels 20..32, 56..68.
    EXPECT_EQ(ChoiceKindAt(Container::Group, 20, 56, at96), 1);
    EXPECT_EQ(ChoiceKindAt(Container::Group, 32, 68, at96), 1);
    EXPECT_FALSE(ChoiceKindAt(Container::Group, 33, 60, at96).has_value());   // the gap to its text
    EXPECT_EQ(ChoiceKindAt(Container::Group, 40, 80, at96), 0);               // "無し"
    EXPECT_EQ(ChoiceKindAt(Container::Group, 90, 100, at96), 2);              // "MP3、WAV"
    EXPECT_FALSE(ChoiceKindAt(Container::Group, 100, 58, at96).has_value());  // the track box
    EXPECT_FALSE(ChoiceKindAt(Container::Group, 150, 60, at96).has_value());  // "曲目をﾘﾋﾟｰﾄ"
    // The same pixel of the window itself is no choice: they all sit in the group.
    EXPECT_FALSE(ChoiceKindAt(Container::Form, 40, 80, at96).has_value());
    // At 144 dots per inch the places grow with the twips.
    const Scale at144 = drawing::ScaleForDpi(144, 144);
    EXPECT_EQ(ChoiceKindAt(Container::Group, 60, 120, at144), 0);
    EXPECT_FALSE(ChoiceKindAt(Container::Group, 40, 80, at144).has_value());
}

TEST(DialogLayout, EveryShownControlLiesInsideItsContainer) {
    const TwipsRect group = Place(ControlId::MusicGroup).rect;
    for (const ControlPlace& place : Controls()) {
        const bool source_picture =
            place.id == ControlId::EmptyBoxPicture || place.id == ControlId::FilledBoxPicture;
        const std::int32_t width = place.container == Container::Form ? kClientWidth : group.width;
        const std::int32_t height =
            place.container == Container::Form ? kClientHeight : group.height;
        const bool inside =
            place.rect.x + place.rect.width <= width && place.rect.y + place.rect.height <= height;
        // The two selection pictures are kept outside, never seen.
        EXPECT_EQ(inside, !source_picture) << static_cast<int>(place.id);
    }
}

TEST(DialogLayout, DialogIsCentredAcrossAndAtAThirdOfTheFreeHeight) {
    // 1024 x 768 pixels at 15 twips a pixel; a dialog of 7275 x 4275 twips.
    const TwipsPoint place = PlaceDialog(15360, 11520, 7275, 4275);
    EXPECT_EQ(place.left, 4042);  // 8085 \ 2
    EXPECT_EQ(place.top, 2415);   // 7245 \ 3
    // The free lengths are rounded, halves to even, before they are divided.
    EXPECT_EQ(PlaceDialog(100.5, 100, 0, 0).left, 50);  // 100 \ 2
    EXPECT_EQ(PlaceDialog(101.5, 100, 0, 0).left, 51);  // 102 \ 2
    EXPECT_EQ(PlaceDialog(0, 8.6, 0, 0).top, 3);        // 9 \ 3
    // A dialog larger than the screen: the division truncates toward zero.
    EXPECT_EQ(PlaceDialog(0, 0, 7, 8).left, -3);
    EXPECT_EQ(PlaceDialog(0, 0, 7, 8).top, -2);
}

TEST(PlaceDialog, PlacedInPixelsAtTheScaleItStandsAtAndPlacedAgainOnAnotherDpi) {
    const Scale at96 = drawing::ScaleForDpi(96, 96);
    const Scale at144 = drawing::ScaleForDpi(144, 144);
    // 1920 x 1080 at 96 DPI, a 485 x 285 window: (1435 \ 2, 795 \ 3).
    EXPECT_EQ(PlaceDialogInPixels(1920, 1080, 485, 285, at96), (PixelPoint{717, 265}));
    // At 144 DPI, 10 twips a pixel: 12020 \ 2 = 6010 and 7020 \ 3 = 2340 twips.
    EXPECT_EQ(PlaceDialogInPixels(1920, 1080, 718, 378, at144), (PixelPoint{601, 234}));

    EXPECT_FALSE(ScaleToPlaceAgainAt(at96, drawing::ScaleForDpi(96, 96)));
    const auto again = ScaleToPlaceAgainAt(at96, at144);
    ASSERT_TRUE(again);
    EXPECT_EQ(drawing::DpiOf(*again), 144);
    EXPECT_EQ(drawing::DpiOf(*ScaleToPlaceAgainAt(at144, at96)), 96);
}

}  // namespace
}  // namespace velmora::settings_dialog
