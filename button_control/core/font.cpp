#include "button_control/core/font.h"

#include <charconv>
#include <cstring>

#include "button_control/core/designed_font_name.h"
#include "button_control/core/property_values.h"

namespace velmora::button_control {

bool Font::operator==(const Font& other) const {
    return name == other.name && size == other.size && weight == other.weight &&
           charset == other.charset && italic == other.italic && underline == other.underline &&
           strikethrough == other.strikethrough;
}

Font DesignedFont() {
    Font font;
    font.name = kDesignedFontName;
    return font;
}

namespace {

std::string SizeText(double size) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, size);
    return std::string(buffer, result.ptr);
}

std::optional<double> SizeFromText(const std::string& text) {
    double size = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), size);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !(size > 0)) {
        return std::nullopt;
    }
    return size;
}

// Takes "Key=" off the front of `rest` and returns the text up to the next ';'.
std::optional<std::string> TakeField(std::string& rest, const char* key) {
    const std::size_t key_length = std::strlen(key);
    if (rest.compare(0, key_length, key) != 0 || rest.size() <= key_length ||
        rest[key_length] != '=') {
        return std::nullopt;
    }
    const std::size_t end = rest.find(';', key_length + 1);
    if (end == std::string::npos) {
        return std::nullopt;
    }
    std::string value = rest.substr(key_length + 1, end - key_length - 1);
    rest.erase(0, end + 1);
    return value;
}

}  // namespace

std::string FontToText(const Font& font) {
    return "Size=" + SizeText(font.size) + ";Weight=" + IntegerText(font.weight) +
           ";Charset=" + IntegerText(font.charset) + ";Italic=" + BooleanText(font.italic) +
           ";Underline=" + BooleanText(font.underline) +
           ";Strikethrough=" + BooleanText(font.strikethrough) + ";Name=" + font.name;
}

std::optional<Font> FontFromText(const std::string& text) {
    std::string rest = text;
    const auto size = TakeField(rest, "Size");
    const auto weight = TakeField(rest, "Weight");
    const auto charset = TakeField(rest, "Charset");
    const auto italic = TakeField(rest, "Italic");
    const auto underline = TakeField(rest, "Underline");
    const auto strikethrough = TakeField(rest, "Strikethrough");
    // Every field must be there, in its place: a text that lacks one is not a font.
    if (!size || !weight || !charset || !italic || !underline || !strikethrough ||
        rest.compare(0, 5, "Name=") != 0) {
        return std::nullopt;
    }
    Font font;
    font.name = rest.substr(5);
    const auto size_value = SizeFromText(*size);
    const auto weight_value = ToInt16(*weight);
    const auto charset_value = ToInt16(*charset);
    const auto italic_value = ToBoolean(*italic);
    const auto underline_value = ToBoolean(*underline);
    const auto strikethrough_value = ToBoolean(*strikethrough);
    if (!size_value || !weight_value || !charset_value || !italic_value || !underline_value ||
        !strikethrough_value) {
        return std::nullopt;
    }
    font.size = *size_value;
    font.weight = *weight_value;
    font.charset = *charset_value;
    font.italic = *italic_value;
    font.underline = *underline_value;
    font.strikethrough = *strikethrough_value;
    return font;
}

}  // namespace velmora::button_control
