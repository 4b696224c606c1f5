// The control's properties: what reading and assigning them does, and how the
// control saves itself into and restores itself from its container's layout.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "button_control/core/command.h"
#include "button_control/core/command_texts.h"
#include "button_control/core/property_values.h"
#include "tests/button_control/recording_site.h"

namespace velmora::button_control {
namespace {

using P = StatePicture;
using Names = std::vector<std::string>;

class CommandPropertiesTest : public ::testing::Test {
  protected:
    void Load(const PropertyBag& bag) {
        command.UserControl_ReadProperties(bag);
        site.Clear();
    }

    // A hovered, focused, initialised control loaded from an empty layout.
    void LoadFocusedAndHovered() {
        Load(PropertyBag{});
        command.Initialize();
        command.UserControl_MouseMove();
        command.UserControl_GotFocus();
        site.Clear();
    }

    RecordingSite site;
    Command command{site, Scale{}};
};

TEST_F(CommandPropertiesTest, FreshlyPlacedControlBecomesEnabledOnItsFirstEnabledRead) {
    command.UserControl_Resize();
    EXPECT_EQ(site.paints, (std::vector<P>{P::Disable}));
    EXPECT_FALSE(command.State().IsEnabled);
    EXPECT_EQ(command.State().FirstRun, 0);
    site.Clear();

    EXPECT_TRUE(command.Enabled());
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(command.State().FirstRun, 1);
    EXPECT_TRUE(command.LblMsg().Enabled);

    // FirstRun 1 is the write default, so it is not stored.
    PropertyBag bag;
    command.UserControl_WriteProperties(bag);
    EXPECT_TRUE(bag.Entries().empty());
}

TEST_F(CommandPropertiesTest, ReadingRepaintsNormalButKeepsTheState) {
    LoadFocusedAndHovered();
    command.Visible();
    command.FontColour();
    command.Enabled();
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal, P::Normal, P::Normal}));
    EXPECT_EQ(command.State().ButtonState, StateFocusHover);
    EXPECT_TRUE(site.changed.empty());
    site.Clear();
    command.Caption();
    command.Font();
    EXPECT_TRUE(site.paints.empty());
}

TEST_F(CommandPropertiesTest, TransparentBackground) {
    Load(PropertyBag{});
    command.Visible(false);
    EXPECT_EQ(command.State().BackStyle, 0);
    EXPECT_TRUE(site.paints.empty());
    EXPECT_GT(site.redraws, 0);
    EXPECT_EQ(site.changed, (Names{"Visible"}));
    site.Clear();
    EXPECT_FALSE(command.Visible());
    EXPECT_TRUE(site.paints.empty());
    command.Visible(true);
    EXPECT_EQ(command.State().BackStyle, 1);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal}));
}

TEST_F(CommandPropertiesTest, AssigningEnabledRepaintsWhateverTheState) {
    LoadFocusedAndHovered();
    command.Enabled(false);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Disable}));
    EXPECT_FALSE(command.LblMsg().Enabled);
    EXPECT_EQ(site.changed, (Names{"Enabled"}));
    command.Enabled(true);
    EXPECT_EQ(site.paints.back(), P::Normal);
    EXPECT_TRUE(command.LblMsg().Enabled);
    EXPECT_EQ(command.State().ButtonState, StateFocusHover);
}

TEST_F(CommandPropertiesTest, FontColourAndItsFailure) {
    Load(PropertyBag{});
    command.FontColour(255);
    EXPECT_EQ(command.LblMsg().ForeColor, 255);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(site.changed, (Names{"FontColour"}));
    site.Clear();
    // Not a colour: the caption keeps its colour, the face is still refreshed,
    // and no change is signalled.
    command.FontColour(0x01000000);
    EXPECT_EQ(command.LblMsg().ForeColor, 255);
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal}));
    EXPECT_TRUE(site.changed.empty());
    command.FontColour(static_cast<std::int32_t>(0x80000012u));  // a system colour
    EXPECT_EQ(command.LblMsg().ForeColor, static_cast<std::int32_t>(0x80000012u));
}

TEST_F(CommandPropertiesTest, CaptionAndFontAssignments) {
    Load(PropertyBag{});
    command.Caption("\x90\xDD\x92\xE8");  // "設定"
    EXPECT_EQ(command.Caption(), "\x90\xDD\x92\xE8");
    auto font = std::make_shared<Font>(DesignedFont());
    font->Name = "Tahoma";
    command.Font(font);
    // The caption uses the very object given, and reading gives it back.
    EXPECT_EQ(command.Font(), font);
    EXPECT_EQ(command.LblMsg().Font, font);
    command.Font(nullptr);
    EXPECT_EQ(command.Font(), font);
    EXPECT_EQ(site.changed, (Names{"Caption", "Font"}));
    EXPECT_TRUE(site.paints.empty());
}

TEST_F(CommandPropertiesTest, LoadOfTheDialogsButtons) {
    const auto bag = PropertyBag::FromText(
        "_extentx = \"1931\"\n_extenty = \"661\"\ncaption = \"\x90\xDD\x92\xE8\"\n"
        "font = "
        "\"Size=14;Weight=700;Charset=0;Italic=-1;Underline=0;Strikethrough=0;Name=Tahoma\"\n");
    ASSERT_TRUE(bag);
    command.UserControl_ReadProperties(*bag);
    EXPECT_TRUE(command.State().IsEnabled);
    EXPECT_EQ(command.State().FirstRun, 1);
    EXPECT_EQ(command.State().BackStyle, 1);
    EXPECT_EQ(command.Caption(), "\x90\xDD\x92\xE8");
    EXPECT_EQ(command.LblMsg().ForeColor, 0);
    // Only the typeface name comes from the stored font.
    const Font& font = *command.LblMsg().Font;
    EXPECT_EQ(font.Name, "Tahoma");
    EXPECT_DOUBLE_EQ(font.Size, 9.75);
    EXPECT_EQ(font.Weight, 400);
    EXPECT_FALSE(font.Italic);
    EXPECT_EQ(font.Charset, 128);
    // Load ends with RefreshNormal.
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(command.State().ButtonState, StateBeforeInitialize);
}

TEST_F(CommandPropertiesTest, LoadedFontColour255IsRed) {
    PropertyBag bag;
    bag.WriteProperty("FontColour", "255", "0");
    Load(bag);
    EXPECT_EQ(command.LblMsg().ForeColor & 0xFF, 255);
    EXPECT_EQ(command.LblMsg().ForeColor, 0x0000FF);
}

TEST_F(CommandPropertiesTest, FirstRunZeroBlackensTheCaptionOnRefresh) {
    PropertyBag bag;
    bag.WriteProperty("FirstRun", "0", "1");
    bag.WriteProperty("FontColour", "255", "0");
    command.UserControl_ReadProperties(bag);
    EXPECT_EQ(command.LblMsg().ForeColor, 0);
    EXPECT_EQ(command.State().FirstRun, 0);
}

TEST_F(CommandPropertiesTest, AbsentFontReadsTheAmbientFontName) {
    site.ambient.Name = "Ambient";
    site.ambient.Size = 20;
    Load(PropertyBag{});
    EXPECT_EQ(command.LblMsg().Font->Name, "Ambient");
    EXPECT_DOUBLE_EQ(command.LblMsg().Font->Size, 9.75);
}

TEST_F(CommandPropertiesTest, UnconvertibleEntriesLeaveTheirFieldsAndTheRestLoads) {
    auto bag = PropertyBag::FromText(
        "enabled = \"maybe\"\ncaption = \"OK\"\nfont = \"garbage\"\nfirstrun = \"300\"\n"
        "fontcolour = \"&H1000000\"\nvisible = \"7\"\n");
    ASSERT_TRUE(bag);
    command.UserControl_ReadProperties(*bag);
    EXPECT_FALSE(command.State().IsEnabled);
    EXPECT_EQ(command.Caption(), "OK");
    EXPECT_EQ(command.LblMsg().Font->Name, kDesignedFontName);
    EXPECT_EQ(command.State().FirstRun, 0);
    EXPECT_EQ(command.LblMsg().ForeColor, 0);
    EXPECT_EQ(command.State().BackStyle, 1);
}

TEST_F(CommandPropertiesTest, DisabledLoadPaintsNothing) {
    PropertyBag bag;
    bag.WriteProperty("Enabled", BooleanText(false), BooleanText(true));
    command.UserControl_ReadProperties(bag);
    EXPECT_FALSE(command.State().IsEnabled);
    EXPECT_TRUE(site.paints.empty());
}

TEST_F(CommandPropertiesTest, SaveWritesSixEntriesInOrderLeavingDefaultsOut) {
    Load(PropertyBag{});
    PropertyBag bag;
    command.UserControl_WriteProperties(bag);
    EXPECT_TRUE(bag.Entries().empty());
    EXPECT_EQ(site.paints, (std::vector<P>{P::Normal}));

    command.Enabled(false);
    command.Caption("Go");
    command.FontColour(255);
    command.Visible(false);
    auto font = std::make_shared<Font>(DesignedFont());
    font->Weight = 700;
    command.Font(font);
    PropertyBag changed;
    command.UserControl_WriteProperties(changed);
    Names keys;
    for (const auto& entry : changed.Entries()) {
        keys.push_back(entry.first);
    }
    EXPECT_EQ(keys, (Names{"enabled", "caption", "font", "fontcolour", "visible"}));
    EXPECT_EQ(changed.ReadProperty("Enabled", ""), "0");
    EXPECT_EQ(changed.ReadProperty("FontColour", ""), "255");
    EXPECT_EQ(changed.ReadProperty("Visible", ""), "0");

    // A second control restores the same values, apart from the font's style,
    // of which only the name is taken.
    RecordingSite other_site;
    Command other(other_site, Scale{});
    other.UserControl_ReadProperties(changed);
    EXPECT_FALSE(other.State().IsEnabled);
    EXPECT_EQ(other.Caption(), "Go");
    EXPECT_EQ(other.LblMsg().ForeColor, 255);
    EXPECT_EQ(other.State().BackStyle, 0);
}

TEST_F(CommandPropertiesTest, CaptionCommandSurvivesARoundTrip) {
    Load(PropertyBag{});
    command.Caption("Command");
    PropertyBag bag;
    command.UserControl_WriteProperties(bag);
    EXPECT_FALSE(bag.Find("Caption"));
    RecordingSite other_site;
    Command other(other_site, Scale{});
    other.UserControl_ReadProperties(bag);
    EXPECT_EQ(other.Caption(), "Command");
}

TEST_F(CommandPropertiesTest, FirstRunZeroIsSaved) {
    command.Enabled(true);  // assigning does not touch FirstRun
    PropertyBag bag;
    command.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.Find("FirstRun"), "0");
}

}  // namespace
}  // namespace velmora::button_control
