#include "text/core/number_text.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "text/core/ascii_text.h"

namespace velmora::text {

namespace {

// Reads the longest decimal number at the front of `text` into `number` and
// returns how many characters it took (0 when there is no number).
std::size_t ReadDecimal(std::string_view text, double& number) {
    std::size_t i = 0;
    std::string canonical;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        canonical += text[i++];
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        canonical += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        canonical += text[i++];
        while (i < text.size() && IsDigit(text[i])) {
            canonical += text[i++];
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    // An exponent counts only when digits follow it ("1E" reads as 1).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                exponent += text[j++];
            }
            canonical += exponent;
            i = j;
        }
    }
    // The canonical text uses '.', which strtod reads in the "C" locale the
    // programs run in.
    number = std::strtod(canonical.c_str(), nullptr);
    return i;
}

}  // namespace

double ReadNumberFromFront(std::string_view text) {
    std::string packed;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            packed += c;
        }
    }
    double number = 0.0;
    return ReadDecimal(packed, number) > 0 ? number : 0.0;
}

std::optional<double> ParseWholeNumber(std::string_view text) {
    text = WithoutBlanksAround(text);
    double number = 0.0;
    if (text.empty() || ReadDecimal(text, number) != text.size() || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::int64_t> ParseWholeInteger(std::string_view text) {
    text = WithoutBlanksAround(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Counted towards the sign, so that the lowest value fits too.
    std::int64_t value = 0;
    for (const char c : text) {
        const int digit = c - '0';
        if (!IsDigit(c) || value < (std::numeric_limits<std::int64_t>::min() + digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 - digit;
    }
    if (!negative && value == std::numeric_limits<std::int64_t>::min()) {
        return std::nullopt;
    }
    return negative ? value : -value;
}

}  // namespace velmora::text
