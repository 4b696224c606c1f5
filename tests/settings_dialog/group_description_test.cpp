// What a screen reader is told of the music group: which item is where, which
// can be used and which has the focus.
#include "settings_dialog/core/group_description.h"

#include <gtest/gtest.h>

#include "settings_dialog/core/settings_dialog.h"

namespace velmora::settings_dialog {
namespace {

using namespace text::literals;

// The group of a dialog loaded with the CD chosen, the choices focused.
std::vector<AccessItem> CdChosen(std::optional<ControlId> focus = ControlId::MusicGroup) {
    return DescribeMusicGroup(SettingsDialog({1, 0, ""_cp932}).View(), "0"_cp932, focus);
}

TEST(GroupAccessibility, AControlThatCannotBeUsedIsNeverOfferedTheFocus) {
    const std::vector<AccessItem> items = CdChosen();
    const AccessItem* cd = ItemNumbered(items, 1);
    const AccessItem* file_button = ItemNumbered(items, 5);
    ASSERT_TRUE(cd && file_button);
    EXPECT_EQ(StatesOf(*cd), (AccessStates{false, true, true, true}));
    EXPECT_EQ(StatesOf(*file_button), (AccessStates{true, false, false, false}));
    EXPECT_EQ(StatesOf(*ItemNumbered(items, 6)), AccessStates{});  // the file's path: a text
    EXPECT_EQ(GroupStates(true), (AccessStates{false, true, false, true}));
    EXPECT_FALSE(GroupStates(false).focused);
    EXPECT_EQ(ItemNumbered(items, kTheGroupItself), nullptr);
    EXPECT_EQ(ItemNumbered(items, 7), nullptr);
}

TEST(GroupAccessibility, EachItemIsFoundWhereItIsDrawnAtEveryDpi) {
    const std::vector<AccessItem> items = CdChosen();
    const PixelRect group = ToPixels(Place(ControlId::MusicGroup).rect, drawing::Scale{});
    for (const int dpi : {96, 144, 192}) {
        const drawing::Scale scale = drawing::ScaleForDpi(dpi, dpi);
        const int width = group.width * dpi / 96, height = group.height * dpi / 96;
        for (long number = 1; number <= static_cast<long>(items.size()); ++number) {
            const PixelRect at96 = BoundsOf(items[number - 1], drawing::Scale{});
            const PixelRect bounds = BoundsOf(items[number - 1], scale);
            EXPECT_NEAR(bounds.x, at96.x * dpi / 96.0, 1) << dpi << " " << number;
            EXPECT_NEAR(bounds.width, at96.width * dpi / 96.0, 1) << dpi << " " << number;
            EXPECT_EQ(NumberAt(items, scale, width, height, bounds.x + bounds.width / 2,
                               bounds.y + bounds.height / 2),
                      number)
                << dpi;
        }
        // The heading is no item; beyond the client area is not the group's.
        const PixelRect heading = ToPixels(Place(ControlId::GroupHeading).rect, scale);
        EXPECT_EQ(NumberAt(items, scale, width, height, heading.x + 1, heading.y + 1),
                  kTheGroupItself);
        EXPECT_EQ(NumberAt(items, scale, width, height, width, 0), std::nullopt);
        EXPECT_EQ(NumberAt(items, scale, width, height, 0, -1), std::nullopt);
    }
}

TEST(GroupAccessibility, TheFocusedChildIsTheItemWithTheKeyboardFocus) {
    EXPECT_EQ(FocusedChild(CdChosen()), 1);  // the chosen CD, first in reading order
    EXPECT_EQ(FocusedChild(CdChosen(ControlId::TrackBox)), 2);
    EXPECT_EQ(FocusedChild(CdChosen(ControlId::SaveButton)), kTheGroupItself);
    EXPECT_EQ(FocusedChild(CdChosen(std::nullopt)), kTheGroupItself);
}

}  // namespace
}  // namespace velmora::settings_dialog
