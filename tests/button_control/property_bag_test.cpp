// The property bag and the conversions of its stored texts.

#include <gtest/gtest.h>

#include "button_control/core/font.h"
#include "button_control/core/property_bag.h"
#include "button_control/core/property_values.h"

namespace velmora::button_control {
namespace {

TEST(PropertyBag, DefaultsAndCaseInsensitiveNames) {
    PropertyBag bag;
    EXPECT_EQ(bag.ReadProperty("Caption", "Command"), "Command");
    bag.WriteProperty("Caption", "OK", "Command");
    EXPECT_EQ(bag.ReadProperty("CAPTION", "Command"), "OK");
    EXPECT_EQ(bag.ReadProperty("caption", "Command"), "OK");
    EXPECT_EQ(bag.Entries().front().first, "caption");
}

TEST(PropertyBag, ValueEqualToWriteDefaultIsNotStored) {
    PropertyBag bag;
    bag.WriteProperty("FirstRun", "1", "1");
    EXPECT_FALSE(bag.Find("FirstRun"));
    bag.WriteProperty("FirstRun", "0", "1");
    EXPECT_EQ(bag.Find("firstrun"), "0");
    // Writing the default again removes the stale entry.
    bag.WriteProperty("FIRSTRUN", "1", "1");
    EXPECT_TRUE(bag.Entries().empty());
}

TEST(PropertyBag, RewritingKeepsThePlace) {
    PropertyBag bag;
    bag.WriteProperty("Enabled", "0", "-1");
    bag.WriteProperty("Caption", "a", "Command");
    bag.WriteProperty("enabled", "1", "-1");
    ASSERT_EQ(bag.Entries().size(), 2u);
    EXPECT_EQ(bag.Entries()[0], (std::pair<std::string, std::string>{"enabled", "1"}));
}

TEST(PropertyBag, TextFormRoundTrips) {
    PropertyBag bag;
    bag.WriteProperty("Caption", "say \"hi\"\nsecond line", "Command");
    bag.WriteProperty(
        "Font", "Size=9;Weight=700;Charset=0;Italic=0;Underline=0;Strikethrough=0;Name=A", "x");
    // A code-page-932 text whose second byte is a backslash or a capital letter.
    bag.WriteProperty("Caption2", "\x83\x5C\x83\x41", "");
    const std::string text = bag.ToText();
    EXPECT_EQ(text.substr(0, 28), "caption = \"say \"\"hi\"\"\nsecond");
    const auto parsed = PropertyBag::FromText(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Entries(), bag.Entries());
}

TEST(PropertyBag, TextFormAcceptsAnyCaseAndRejectsMalformedText) {
    const auto bag =
        PropertyBag::FromText("  Caption = \"\x90\xDD\x92\xE8\"\r\n\r\nFONT=\"x\"\r\n");
    ASSERT_TRUE(bag);
    EXPECT_EQ(bag->ReadProperty("caption", ""), "\x90\xDD\x92\xE8");
    EXPECT_EQ(bag->ReadProperty("Font", ""), "x");
    EXPECT_TRUE(PropertyBag::FromText(""));
    for (const char* bad : {"caption", "caption = unquoted", "caption = \"open", "= \"x\"",
                            "caption = \"a\" b", "a = \"1\"\nA = \"2\""}) {
        EXPECT_FALSE(PropertyBag::FromText(bad)) << bad;
    }
}

TEST(PropertyBag, FoldingLeavesDoubleByteCharactersWhole) {
    // "ア" is 0x83 0x41: its second byte must not become 'a'.
    EXPECT_EQ(FoldedName("Key\x83\x41Z"), "key\x83\x41z");
}

TEST(PropertyValues, Conversions) {
    EXPECT_EQ(ToBoolean("True"), true);
    EXPECT_EQ(ToBoolean("false"), false);
    EXPECT_EQ(ToBoolean("-1"), true);
    EXPECT_EQ(ToBoolean("0"), false);
    EXPECT_FALSE(ToBoolean("yes"));
    EXPECT_EQ(ToUInt8(" 255 "), 255);
    EXPECT_FALSE(ToUInt8("256"));
    EXPECT_FALSE(ToUInt8("-1"));
    EXPECT_EQ(ToInt16("-32768"), -32768);
    EXPECT_FALSE(ToInt16("32768"));
    EXPECT_EQ(ToInt32("&HFF"), 255);
    EXPECT_EQ(ToInt32("&H000000FF&"), 255);
    EXPECT_EQ(ToInt32("&HFFFFFFFF"), -1);
    EXPECT_FALSE(ToInt32("&H123456789"));
    EXPECT_FALSE(ToInt32("1.5"));
    EXPECT_FALSE(ToInt32(""));
    EXPECT_FALSE(ToInt32("99999999999999"));
    EXPECT_EQ(BooleanText(true), "-1");
}

TEST(FontText, RoundTripsAndRejectsDamage) {
    Font font = DesignedFont();
    font.size = 12.5;
    font.weight = 700;
    font.italic = true;
    font.name = "Name;with=odd chars";
    const auto parsed = FontFromText(FontToText(font));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, font);
    EXPECT_EQ(FontToText(DesignedFont()),
              "Size=9.75;Weight=400;Charset=128;Italic=0;Underline=0;Strikethrough=0;"
              "Name=\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_FALSE(FontFromText("Tahoma"));
    EXPECT_FALSE(FontFromText("Strikethrough=0;Name=Tahoma"));
    EXPECT_FALSE(FontFromText("Size=9;Weight=400;Charset=0;Italic=0;Strikethrough=0;Name=A"));
    EXPECT_FALSE(
        FontFromText("Size=0;Weight=400;Charset=0;Italic=0;Underline=0;Strikethrough=0;Name=A"));
    EXPECT_FALSE(
        FontFromText("Size=9;Weight=x;Charset=0;Italic=0;Underline=0;Strikethrough=0;Name=A"));
}

}  // namespace
}  // namespace velmora::button_control
