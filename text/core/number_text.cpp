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
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    double number = 0.0;
    if (text.empty() || ReadDecimal(text, number) != text.size() || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

}  // namespace velmora::text
