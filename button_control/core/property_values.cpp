#include "button_control/core/property_values.h"

#include <cctype>

#include "button_control/core/property_bag.h"
#include "text/core/ascii_text.h"
#include "text/core/number_text.h"

namespace velmora::button_control {

namespace {

std::optional<std::int64_t> HexValue(const std::string& digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        const int digit = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int64_t>(static_cast<std::int32_t>(value));
}

}  // namespace

std::optional<bool> ToBoolean(const std::string& text) {
    const std::string_view trimmed = text::WithoutBlanksAround(text);
    if (FoldedName(trimmed) == "true") {
        return true;
    }
    if (FoldedName(trimmed) == "false") {
        return false;
    }
    const auto number = ToInteger(std::string(trimmed));
    if (!number) {
        return std::nullopt;
    }
    return *number != 0;
}

std::optional<std::int64_t> ToInteger(const std::string& text) {
    const std::string_view trimmed = text::WithoutBlanksAround(text);
    if (trimmed.size() > 2 && trimmed[0] == '&' && (trimmed[1] == 'H' || trimmed[1] == 'h')) {
        std::string digits(trimmed.substr(2));
        if (!digits.empty() && digits.back() == '&') {
            digits.pop_back();
        }
        return HexValue(digits);
    }
    return text::ParseWholeInteger(trimmed);
}

std::optional<std::uint8_t> ToUInt8(const std::string& text) {
    return text::Narrowed<std::uint8_t>(ToInteger(text));
}

std::optional<std::int16_t> ToInt16(const std::string& text) {
    return text::Narrowed<std::int16_t>(ToInteger(text));
}

std::optional<std::int32_t> ToInt32(const std::string& text) {
    return text::Narrowed<std::int32_t>(ToInteger(text));
}

std::string BooleanText(bool value) {
    return value ? "-1" : "0";
}

std::string IntegerText(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace velmora::button_control
