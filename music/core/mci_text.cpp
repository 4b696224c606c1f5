#include "music/core/mci_text.h"

#include <limits>

#include "text/core/ascii_text.h"
#include "text/core/cp932_text.h"

namespace velmora::music {

using text::IsBlank;

text::Cp932String ReplyText(const char* buffer, std::size_t size) {
    const void* nul = std::memchr(buffer, '\0', size);
    return text::Cp932String(buffer, nul ? static_cast<const char*>(nul) - buffer : size);
}

bool HasErrorMark(text::Cp932View text) {
    static const char kMark[] = "ERR";
    std::size_t matched = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text::IsLeadByte(text[i])) {
            matched = 0;
            ++i;  // its second byte belongs to the same character
            continue;
        }
        const char upper = text::AsciiUpper(text[i]);
        if (upper == kMark[matched]) {
            if (++matched == 3) {
                return true;
            }
        } else {
            matched = upper == kMark[0] ? 1 : 0;
        }
    }
    return false;
}

std::optional<std::int32_t> ReadNumber(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    bool negative = false;
    if (begin < end && (text[begin] == '+' || text[begin] == '-')) {
        negative = text[begin] == '-';
        ++begin;
    }
    if (begin == end) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace velmora::music
