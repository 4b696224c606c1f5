#pragma once
// The caption's font: a shared object, as the toolkit's font objects are.
// Reading the control's Font gives this very object, not a copy.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace velmora::button_control {

struct Font {
    std::string name;    // typeface name, code page 932
    double size = 9.75;  // points
    std::int16_t weight = 400;
    std::int16_t charset = 128;  // Shift-JIS
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const Font& other) const;
    bool operator!=(const Font& other) const { return !(*this == other); }
};

using FontRef = std::shared_ptr<Font>;

// "ＭＳ Ｐゴシック", 9.75 pt, weight 400, character set 128: the font of a newly
// placed control.
Font DesignedFont();

// The stored form of a font inside a property bag, e.g.
// "Size=9.75;Weight=400;Charset=128;Italic=0;Underline=0;Strikethrough=0;Name=Tahoma".
// The name comes last and runs to the end, so it may hold any character.
std::string FontToText(const Font& font);
std::optional<Font> FontFromText(const std::string& text);

}  // namespace velmora::button_control
