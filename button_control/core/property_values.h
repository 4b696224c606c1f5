#pragma once
// Conversions between the texts held in a property bag and the control's
// typed values. A conversion that fails (not a number, out of range) gives
// nothing, and the caller leaves its field as it was.

#include <cstdint>
#include <optional>
#include <string>

namespace velmora::button_control {

// "True"/"False" in any case, or a whole number (non-zero is True).
std::optional<bool> ToBoolean(const std::string& text);

// A whole number in decimal ("-12", " 7 ") or hexadecimal ("&HFF", "&H000000FF&",
// up to eight digits read as a 32-bit two's-complement value).
std::optional<std::int64_t> ToInteger(const std::string& text);

std::optional<std::uint8_t> ToUInt8(const std::string& text);
std::optional<std::int16_t> ToInt16(const std::string& text);
std::optional<std::int32_t> ToInt32(const std::string& text);

// Booleans are stored as the toolkit's -1 (True) and 0 (False).
std::string BooleanText(bool value);
std::string IntegerText(std::int64_t value);

}  // namespace velmora::button_control
