#include "button_control/core/property_values.h"

#include <cctype>
#include <limits>

#include "button_control/core/property_bag.h"

namespace velmora::button_control {

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) {
        ++begin;
    }
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) {
        --end;
    }
    return text.substr(begin, end - begin);
}

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

std::optional<std::int64_t> DecimalValue(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size() || text.size() - i > 12) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

template <typename T>
std::optional<T> InRange(const std::optional<std::int64_t>& value) {
    if (!value || *value < std::numeric_limits<T>::min() ||
        *value > std::numeric_limits<T>::max()) {
        return std::nullopt;
    }
    return static_cast<T>(*value);
}

}  // namespace

std::optional<bool> ToBoolean(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    if (FoldedName(trimmed) == "true") {
        return true;
    }
    if (FoldedName(trimmed) == "false") {
        return false;
    }
    const auto number = ToInteger(trimmed);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0;
}

std::optional<std::int64_t> ToInteger(const std::string& text) {
    std::string trimmed = Trimmed(text);
    if (trimmed.size() > 2 && trimmed[0] == '&' && (trimmed[1] == 'H' || trimmed[1] == 'h')) {
        std::string digits = trimmed.substr(2);
        if (!digits.empty() && digits.back() == '&') {
            digits.pop_back();
        }
        return HexValue(digits);
    }
    return DecimalValue(trimmed);
}

std::optional<std::uint8_t> ToUInt8(const std::string& text) {
    return InRange<std::uint8_t>(ToInteger(text));
}

std::optional<std::int16_t> ToInt16(const std::string& text) {
    return InRange<std::int16_t>(ToInteger(text));
}

std::optional<std::int32_t> ToInt32(const std::string& text) {
    return InRange<std::int32_t>(ToInteger(text));
}

std::string BooleanText(bool value) {
    return value ? "-1" : "0";
}

std::string IntegerText(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace velmora::button_control
