// The button's properties: what reading and assigning them does, and how the
// button saves itself into and restores itself from its container's layout.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "button_control/core/designed_font_name.h"
#include "button_control/core/property_values.h"
#include "button_control/core/push_button.h"
#include "tests/button_control/push_button_recorder.h"

namespace velmora::button_control {
namespace {

using P = StatePicture;
using Names = std::vector<std::string>;

class PushButtonPropertiesTest : public ::testing::Test {
  protected:
    void Load(const PropertyBag& bag) {
        record(button.LoadProperties(bag, ambient));
        record.Clear();
    }

    // A hovered, focused, initialised control loaded from an empty layout.
    void LoadFocusedAndHovered() {
        Load(PropertyBag{});
        record(button.Initialize());
        record(button.MouseMove());
        record(button.FocusGained());
        record.Clear();
    }

    template <typename Value>
    Value Read(const PropertyRead<Value>& read) {
        record(read.reaction);
        return read.value;
    }

    ReactionRecorder record;
    PushButton button{Scale{}};
    Font ambient = DesignedFont();
};

TEST_F(PushButtonPropertiesTest, FreshlyPlacedControlBecomesEnabledWhenItsFirstRunStarts) {
    record(button.Resize({73, 25}));
    EXPECT_EQ(record.paints, (std::vector<P>{P::Disable}));
    EXPECT_FALSE(button.Fields().is_enabled);
    EXPECT_EQ(button.Fields().first_run, 0);
    record.Clear();

    EXPECT_FALSE(Read(button.ReadEnabled()));
    EXPECT_EQ(button.Fields().first_run, 0);
    record.Clear();
    button.StartFirstRun();
    EXPECT_TRUE(Read(button.ReadEnabled()));
    EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(button.Fields().first_run, 1);
    EXPECT_TRUE(button.Label().enabled);

    // FirstRun 1 is the write default, so it is not stored.
    PropertyBag bag;
    record(button.SaveProperties(bag, ambient));
    EXPECT_TRUE(bag.Entries().empty());
}

// Reading Visible, FontColour or Enabled shows the Normal face on a hovered,
// focused button; the button still knows its state, so the cursor leaving
// shows it focused. Reading the caption or the font repaints nothing.
TEST_F(PushButtonPropertiesTest, AReadShowsNormalUntilTheStateNextChanges) {
    const std::function<void()> reads[] = {[&] { Read(button.ReadVisible()); },
                                           [&] { Read(button.ReadFontColour()); },
                                           [&] { Read(button.ReadEnabled()); }};
    for (const auto& read : reads) {
        button = PushButton{Scale{}};
        LoadFocusedAndHovered();
        read();
        EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
        record(button.MousePoll(false));
        EXPECT_EQ(record.paints.back(), P::Selected);
    }
    record.Clear();
    button.Caption();
    button.Font();
    EXPECT_TRUE(record.paints.empty());
}

TEST_F(PushButtonPropertiesTest, TransparentBackground) {
    Load(PropertyBag{});
    record(button.SetVisible(false));
    EXPECT_EQ(button.Fields().back_style, 0);
    EXPECT_TRUE(record.paints.empty());
    EXPECT_GT(record.redraws, 0);
    EXPECT_EQ(record.changed, (Names{"Visible"}));
    record.Clear();
    EXPECT_FALSE(Read(button.ReadVisible()));
    EXPECT_TRUE(record.paints.empty());
    record(button.SetVisible(true));
    EXPECT_EQ(button.Fields().back_style, 1);
    EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
}

TEST_F(PushButtonPropertiesTest, FontColourAndItsFailure) {
    Load(PropertyBag{});
    record(button.SetFontColour(255));
    EXPECT_EQ(button.Label().fore_colour, 255);
    EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(record.changed, (Names{"FontColour"}));
    record.Clear();
    // Not a colour: the caption keeps its colour, the face is still refreshed,
    // and no change is signalled.
    record(button.SetFontColour(0x01000000));
    EXPECT_EQ(button.Label().fore_colour, 255);
    EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
    EXPECT_TRUE(record.changed.empty());
    record(button.SetFontColour(static_cast<std::int32_t>(0x80000012u)));  // a system colour
    EXPECT_EQ(button.Label().fore_colour, static_cast<std::int32_t>(0x80000012u));
}

TEST_F(PushButtonPropertiesTest, CaptionAndFontAssignments) {
    Load(PropertyBag{});
    record(button.SetCaption("\x90\xDD\x92\xE8"));  // "設定"
    EXPECT_EQ(button.Caption(), "\x90\xDD\x92\xE8");
    auto font = std::make_shared<Font>(DesignedFont());
    font->name = "Tahoma";
    record(button.SetFont(font));
    // The caption uses the very object given, and reading gives it back.
    EXPECT_EQ(button.Font(), font);
    EXPECT_EQ(button.Label().font, font);
    record(button.SetFont(nullptr));
    EXPECT_EQ(button.Font(), font);
    EXPECT_EQ(record.changed, (Names{"Caption", "Font"}));
    EXPECT_TRUE(record.paints.empty());
}

TEST_F(PushButtonPropertiesTest, LoadOfTheDialogsButtons) {
    const auto bag = PropertyBag::FromText(
        "_extentx = \"1931\"\n_extenty = \"661\"\ncaption = \"\x90\xDD\x92\xE8\"\n"
        "font = "
        "\"Size=14;Weight=700;Charset=0;Italic=-1;Underline=0;Strikethrough=0;Name=Tahoma\"\n");
    ASSERT_TRUE(bag);
    record(button.LoadProperties(*bag, ambient));
    EXPECT_TRUE(button.Fields().is_enabled);
    EXPECT_EQ(button.Fields().first_run, 1);
    EXPECT_EQ(button.Fields().back_style, 1);
    EXPECT_EQ(button.Caption(), "\x90\xDD\x92\xE8");
    EXPECT_EQ(button.Label().fore_colour, 0);
    // Only the typeface name comes from the stored font.
    const Font& font = *button.Label().font;
    EXPECT_EQ(font.name, "Tahoma");
    EXPECT_DOUBLE_EQ(font.size, 9.75);
    EXPECT_EQ(font.weight, 400);
    EXPECT_FALSE(font.italic);
    EXPECT_EQ(font.charset, 128);
    // Load ends with RefreshNormal.
    EXPECT_EQ(record.paints, (std::vector<P>{P::Normal}));
    EXPECT_EQ(button.Fields().state, ButtonState::BeforeInitialize);
}

TEST_F(PushButtonPropertiesTest, FirstRunZeroBlackensTheCaptionAndIsSavedAgain) {
    PropertyBag bag;
    bag.WriteProperty("FirstRun", "0", "1");
    bag.WriteProperty("FontColour", "255", "0");
    record(button.LoadProperties(bag, ambient));
    EXPECT_EQ(button.Label().fore_colour, 0);
    PropertyBag saved;
    record(button.SaveProperties(saved, ambient));
    EXPECT_EQ(saved.Find("FirstRun"), "0");
}

TEST_F(PushButtonPropertiesTest, AbsentFontReadsTheAmbientFontName) {
    ambient.name = "Ambient";
    ambient.size = 20;
    Load(PropertyBag{});
    EXPECT_EQ(button.Label().font->name, "Ambient");
    EXPECT_DOUBLE_EQ(button.Label().font->size, 9.75);
}

TEST_F(PushButtonPropertiesTest, UnconvertibleEntriesLeaveTheirFieldsAndTheRestLoads) {
    auto bag = PropertyBag::FromText(
        "enabled = \"maybe\"\ncaption = \"OK\"\nfont = \"Strikethrough=0;Name=Tahoma\"\n"
        "firstrun = \"300\"\n"
        "fontcolour = \"&H1000000\"\nvisible = \"7\"\n");
    ASSERT_TRUE(bag);
    record(button.LoadProperties(*bag, ambient));
    EXPECT_FALSE(button.Fields().is_enabled);
    EXPECT_EQ(button.Caption(), "OK");
    EXPECT_EQ(button.Label().font->name, kDesignedFontName);
    EXPECT_EQ(button.Fields().first_run, 0);
    EXPECT_EQ(button.Label().fore_colour, 0);
    EXPECT_EQ(button.Fields().back_style, 1);
}

TEST_F(PushButtonPropertiesTest, DisabledLoadPaintsNothing) {
    PropertyBag bag;
    bag.WriteProperty("Enabled", BooleanText(false), BooleanText(true));
    record(button.LoadProperties(bag, ambient));
    EXPECT_FALSE(button.Fields().is_enabled);
    EXPECT_TRUE(record.paints.empty());
}

// What a container stores of a button, another loads: every property but the
// font's style, of which only the name is taken. A button as placed stores
// nothing.
TEST_F(PushButtonPropertiesTest, WhatASaveStoresALoadRestores) {
    Load(PropertyBag{});
    PropertyBag bag;
    record(button.SaveProperties(bag, ambient));
    EXPECT_TRUE(bag.Entries().empty());

    record(button.SetEnabled(false, false));
    record(button.SetCaption("Go"));
    record(button.SetFontColour(255));
    record(button.SetVisible(false));
    auto font = std::make_shared<Font>(DesignedFont());
    font->name = "Tahoma";
    font->weight = 700;
    record(button.SetFont(font));
    PropertyBag changed;
    record(button.SaveProperties(changed, ambient));

    PushButton other{Scale{}};
    other.LoadProperties(changed, ambient);
    EXPECT_FALSE(other.Fields().is_enabled);
    EXPECT_EQ(other.Caption(), "Go");
    EXPECT_EQ(other.Label().fore_colour, 255);
    EXPECT_EQ(other.Fields().back_style, 0);
    EXPECT_EQ(other.Label().font->name, "Tahoma");
    EXPECT_EQ(other.Label().font->weight, DesignedFont().weight);
    EXPECT_EQ(other.Fields().first_run, button.Fields().first_run);
}

TEST_F(PushButtonPropertiesTest, CaptionCommandSurvivesARoundTrip) {
    Load(PropertyBag{});
    record(button.SetCaption("Command"));
    PropertyBag bag;
    record(button.SaveProperties(bag, ambient));
    EXPECT_FALSE(bag.Find("Caption"));
    PushButton other{Scale{}};
    other.LoadProperties(bag, ambient);
    EXPECT_EQ(other.Caption(), "Command");
}

}  // namespace
}  // namespace velmora::button_control
